# shellcheck shell=bash
# Helpers of the conversion scripts, on top of tests/e2e/e2e-lib.sh: test sources, adding files
# through the open dialog, waiting for the end of a run, reading outputs with the Linux ffprobe,
# and the tool processes left in the bench.
#   . tests/convert/convert-lib.sh   (after e2e-lib.sh and e2e_init)

CONV_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
CONV_REPO=$(cd "$CONV_HERE/../.." && pwd)
CONV_W=(--class TFrmMain)

# conv_win PATH: the Windows name of a Linux path (Z: is the root).
conv_win() {
  printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"
}

# conv_media: the shared test media of the build tree (made once, reused by later runs); prints
# its folder.
conv_media() {
  local dir=$TW_BUILD/test-media
  bash "$CONV_REPO/tools/media/make-test-media.sh" "$dir" >&2 || e2e_fail "could not make the test media"
  echo "$dir"
}

# conv_long_source SECONDS: a heavier source of these tests (640x480), long enough that a
# conversion takes a few seconds; cached in the build tree; prints its path.
conv_long_source() {
  local dir=$TW_BUILD/test-media-convert file
  file=$dir/long-$1s.avi
  mkdir -p "$dir"
  if [ ! -s "$file" ]; then
    ffmpeg -hide_banner -nostdin -loglevel error -y \
      -f lavfi -i "testsrc2=size=640x480:rate=25:duration=$1" \
      -f lavfi -i "sine=frequency=330:sample_rate=44100:duration=$1" \
      -c:v mpeg4 -q:v 8 -c:a libmp3lame -b:a 64k -f avi "$file.tmp" >&2 || e2e_fail "could not make $file"
    mv -f "$file.tmp" "$file"
  fi
  echo "$file"
}

# conv_row_count: rows of the job list.
conv_row_count() {
  local rows
  rows=$(tw_driver rows "${CONV_W[@]}" --cclass TListView) || { echo -1; return; }
  echo $(($(printf '%s\n' "$rows" | wc -l) - 1))
}

# conv_rows: "path<TAB>status" per job.
conv_rows() {
  tw_driver rows "${CONV_W[@]}" --cclass TListView | tail -n +2 | cut -f3-
}

# conv_add PATH [TIMEOUT]: adds a file through the add button and the open dialog, then waits
# until its row is there (the add waits for the duration probe).
conv_add() {
  local before i
  before=$(conv_row_count)
  tw_driver click "${CONV_W[@]}" --text 新增 || e2e_fail "cannot press the add button"
  tw_driver dialog-path --app TFrmMain "$(conv_win "$1")" >/dev/null || e2e_fail "the open dialog did not take $1"
  for i in $(seq $((${2:-60} * 5))); do
    [ "$(conv_row_count)" -gt "$before" ] && return 0
    sleep 0.2
  done
  e2e_fail "no row for $1 after ${2:-60} s"
}

# conv_wait_done TIMEOUT: waits until the status label starts with "转换完成"; prints the label.
conv_wait_done() {
  local end=$((SECONDS + $1)) label=""
  while [ $SECONDS -lt "$end" ]; do
    label=$(tw_driver prop "${CONV_W[@]}" lblInfo.Caption 2>/dev/null) || label=""
    case $label in 转换完成*) echo "$label"; return 0 ;; esac
    sleep 0.3
  done
  e2e_fail "the run did not finish within $1 s (status label: [$label])"
}

# conv_set_output FOLDER: chooses FOLDER (which must exist) through the folder browser.
conv_set_output() {
  tw_driver click "${CONV_W[@]}" --text 设置输出目录 || e2e_fail "cannot press the folder button"
  tw_driver folder --app TFrmMain "$(conv_win "$1")" >/dev/null || e2e_fail "the folder browser did not take $1"
  e2e_wait_text "$(conv_win "$1")\\" "${CONV_W[@]}" --cclass TEdit
}

# conv_streams FILE: "container video WxH rate audio Hz channels duration" of an output, read
# with the Linux ffprobe; "unreadable" when it cannot read it.
conv_streams() {
  local brand v a d
  brand=$(ffprobe -v error -show_entries format_tags=major_brand -of default=nw=1:nk=1 "$1" 2>/dev/null) \
    || { echo unreadable; return; }
  v=$(ffprobe -v error -select_streams v:0 -show_entries stream=codec_name,width,height,avg_frame_rate \
        -of csv=p=0 "$1" 2>/dev/null | tr ',' ' ')
  a=$(ffprobe -v error -select_streams a:0 -show_entries stream=codec_name,sample_rate,channels \
        -of csv=p=0 "$1" 2>/dev/null | tr ',' ' ')
  d=$(ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$1" 2>/dev/null)
  read -r vc vw vh vr <<<"$v"
  echo "${brand:-none} ${vc:-none} ${vw:-0}x${vh:-0} ${vr:-0} ${a:-none} ${d:-0}"
}

# conv_near A B TOLERANCE: true when |A - B| <= TOLERANCE.
conv_near() {
  awk -v a="$1" -v b="$2" -v t="$3" 'BEGIN { d = a - b; if (d < 0) d = -d; exit !(d <= t) }'
}

# conv_procs TEXT...: live Wine processes of this bench's prefix whose command line holds one of
# the TEXTs (any letter case); a zombie waiting for its reaper is not counted. "pid command" lines.
conv_procs() {
  local args=() t pid stat cmd
  for t in "$@"; do args+=(-e "$t"); done
  ps -eo pid=,stat=,args= | grep -iF "${args[@]}" | while read -r pid stat cmd; do
    [ "${stat:0:1}" = Z ] && continue
    # Wine names its processes after their .exe; this leaves out the grep above.
    case $( { cat "/proc/$pid/comm"; } 2>/dev/null) in *.exe|*.EXE) ;; *) continue ;; esac
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$TW_PREFIX" || continue
    echo "$pid $cmd"
  done
  return 0
}

# conv_tool_procs: the converter's tools (and FFmpeg under the encoder) still running.
conv_tool_procs() { conv_procs ffmpeg.exe mplayer.exe; }

# conv_expect_nothing_left: once the program has ended, no encoder, probe or crash reporter of
# this bench runs (the tools get five seconds to go).
conv_expect_nothing_left() {
  local i
  for i in $(seq 50); do
    [ -z "$(conv_tool_procs)" ] && break
    sleep 0.1
  done
  e2e_expect "tool processes left" "" "$(conv_tool_procs)"
  e2e_expect "crash reports" "" "$(conv_procs winedbg)"
}

# conv_watch_start OUT: samples the progress bar into OUT until conv_watch_stop.
conv_watch_start() {
  CONV_WATCH_STOP=$E2E_OUT/.watch-stop
  rm -f "$CONV_WATCH_STOP"
  ( tw_close_fds
    exec "$TW_WINE64" "$TW_BUILD/bin/test-tools/conv_progress_watch.exe" TFrmMain "$(conv_win "$CONV_WATCH_STOP")" \
      300000 </dev/null >"$1" 2>&1 ) &
  CONV_WATCH_PID=$!
}

conv_watch_stop() {
  [ -n "${CONV_WATCH_PID:-}" ] || return 0
  touch "$CONV_WATCH_STOP"
  wait "$CONV_WATCH_PID" || true
  CONV_WATCH_PID=""
}
