#!/usr/bin/env bash
# Sets this Debian 12 machine up, builds the Windows x86_64 program and starts it under wine64.
#
# With a reachable DISPLAY the converter runs there until you close it. Without one it runs in
# a private Xvfb: the script waits for the main window, converts the bundled sample clip through
# the program's dialogs, saves screenshots under build/win64/screenshots/, closes the program,
# and exits 0 only when the sample's 3GP was written and is valid and the program ended cleanly.
#
# For developers: TARNWICK_RUN_BUILD=DIR runs an existing Windows build tree instead of setting up
# and building the preset; TARNWICK_RUN_EXE and TARNWICK_RUN_CLASS name another program and its
# main window's class (defaults: <build>/bin/Tarnwick.exe, TFrmMain).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

build=${TARNWICK_RUN_BUILD:-}
if [ -z "$build" ]; then
  bash tools/setup/setup.sh
  echo "run: building the win64 preset"
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 -j "$(nproc)"
  build=build/win64
fi

exe=${TARNWICK_RUN_EXE:-$build/bin/Tarnwick.exe}
main_class=${TARNWICK_RUN_CLASS:-TFrmMain}
[ -f "$exe" ] || { echo "run: error: the build made no $exe" >&2; exit 1; }
exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")

. tests/wine/bench-lib.sh
# A person uses this bench: the system keeps its own colours.
TW_SIGNATURE_COLOURS_OFF=1
# A bench of its own, so a test run in the same build tree is not disturbed.
tw_paths "$build" wine-session

# Runs once the main window is up, before the screenshot: converts the bundled sample clip the
# way a person would — add it through the open dialog, choose the output folder in the folder
# browser, press "立即转换" and wait for "转换完成".
after_window_up() {
  local media=$TW_BUILD/media out=$TW_BUILD/run-output W=(--class "$main_class")
  bash tools/media/make-test-media.sh "$media" >/dev/null
  rm -rf "$out"; mkdir -p "$out"
  local sample="Z:$(echo "$media/sample.avi" | tr / '\\')" folder="Z:$(echo "$out" | tr / '\\')"
  echo "run: adding the sample clip $media/sample.avi"
  tw_driver click "${W[@]}" --text 新增 >/dev/null
  tw_driver dialog-path --app "$main_class" "$sample" >/dev/null
  for _ in $(seq 100); do
    [ "$(tw_driver rows "${W[@]}" --cclass TListView | wc -l)" -ge 2 ] && break
    sleep 0.2
  done
  echo "run: choosing the output folder $out"
  tw_driver click "${W[@]}" --text 设置输出目录 >/dev/null
  tw_driver folder --app "$main_class" "$folder" >/dev/null
  tw_driver click "${W[@]}" --text 立即转换 >/dev/null
  local status=""
  for _ in $(seq 600); do
    status=$(tw_driver prop "${W[@]}" lblInfo.Caption 2>/dev/null || true)
    case $status in 转换完成*) break ;; esac
    sleep 0.2
  done
  tw_shot "$TW_BUILD/screenshots/converted.png"
  echo "run: ${status:-no status}; screenshot: $TW_BUILD/screenshots/converted.png"
  check_sample_output "$out/sample.3GP" || converted=no
}

# The sample is converted with the start-up options: a 3GP (brand 3gp*) with MPEG-4 video at
# 176x144, about as long as the 5 s clip. Read with the Linux ffprobe.
check_sample_output() {
  local file=$1 brand video duration
  if [ ! -s "$file" ]; then
    echo "run: error: no 3GP was written: $file is missing or empty" >&2
    return 1
  fi
  brand=$(ffprobe -v error -show_entries format_tags=major_brand -of default=nw=1:nk=1 "$file" 2>/dev/null || true)
  video=$(ffprobe -v error -select_streams v:0 -show_entries stream=codec_name,width,height -of csv=p=0 "$file" \
    2>/dev/null || true)
  duration=$(ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$file" 2>/dev/null || true)
  if [ "${brand:0:3}" != 3gp ] || [ "$video" != mpeg4,176,144 ] ||
    ! awk -v d="${duration:-0}" 'BEGIN { exit !(d > 4 && d < 6) }'; then
    echo "run: error: $file is not the expected 3GP (brand ${brand:-none}, video ${video:-none}," \
      "${duration:-no} s; wanted 3gp*, mpeg4,176,144, about 5 s)" >&2
    return 1
  fi
  echo "run: converted: $file (brand $brand, video $video, $duration s)"
}
converted=yes

if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
  echo "run: starting $exe on display $DISPLAY"
  tw_up "$DISPLAY"
  trap 'tw_down quiet' EXIT
  set +e
  "$TW_WINE64" "$exe" </dev/null
  rc=$?
  set -e
  echo "run: the program exited with $rc"
  exit $rc
fi

[ -z "${DISPLAY:-}" ] || echo "run: display $DISPLAY is not reachable; using a private Xvfb"
tw_up
trap 'tw_down quiet' EXIT
log=$TW_BENCH/program.log
tw_start_app "$log" "$exe"
echo "run: started $(basename "$exe") under wine64 on the private display $DISPLAY"

if ! window=$(tw_driver wait --class "$main_class" --timeout 60000); then
  echo "run: error: no $main_class window within 60 s; the program's output:" >&2
  tail -20 "$log" >&2 || true
  kill "$TW_APP_PID" 2>/dev/null || true
  exit 1
fi
echo "run: main window up: $window"
after_window_up

shot=$TW_BUILD/screenshots/main-window.png
tw_shot "$shot"
echo "run: screenshot of the main window: $shot"

tw_driver close --class "$main_class"
for _ in $(seq 150); do
  kill -0 "$TW_APP_PID" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$TW_APP_PID" 2>/dev/null; then
  echo "run: error: the program did not end within 15 s of closing its main window" >&2
  kill "$TW_APP_PID" 2>/dev/null || true
  exit 1
fi
set +e
wait "$TW_APP_PID"
rc=$?
set -e
if [ "$rc" -ne 0 ]; then
  echo "run: error: the program exited with $rc; its output:" >&2
  tail -20 "$log" >&2 || true
  exit 1
fi
echo "run: the program closed cleanly"
if [ "$converted" != yes ]; then
  echo "run: error: the sample clip was not converted" >&2
  exit 1
fi
