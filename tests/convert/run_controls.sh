#!/usr/bin/env bash
# What a user does around a run, with the real program, the real tools and the Windows FFmpeg
# under Wine: a folder with nested videos and other files dropped on the job list adds exactly
# the videos (and a plain file dropped with it is added as it is); the running job's status
# counts up; the convert button stops a long job mid-run, which ends the encoder within a second,
# leaves no encoder process and no half-written file, marks that job stopped and leaves the job
# after it as it was; a failed row shows FFmpeg's own lines on a double click, another row shows
# nothing; a second run afterwards converts everything.
# usage: tests/convert/run_controls.sh <build>/bin/Tarnwick.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/e2e-lib.sh"

e2e_init convert-run-controls "${1:?usage: run_controls.sh Tarnwick.exe}"
. "$here/convert-lib.sh"

[ -f "$TW_BUILD/bin/codecs/ffmpeg.exe" ] || e2e_fail "no Windows FFmpeg in $TW_BUILD/bin/codecs (build tw_codecs)"
media=$(conv_media)
long=$(conv_long_source 60)

# The dropped folder: three videos at three depths among files the program does not take.
drop=$E2E_OUT/drop
mkdir -p "$drop/sub/deeper" "$E2E_OUT/plain"
cp "$media/clip.avi" "$drop/a.avi"
cp "$media/clip.mp4" "$drop/sub/b.mp4"
cp "$media/clip.mpg" "$drop/sub/deeper/c.MPG"
echo notes >"$drop/notes.txt"
echo image >"$drop/sub/cover.jpg"
echo text >"$drop/sub/deeper/readme"
# Dropped beside the folder, a plain file goes in as it always did: here the corrupt source.
cp "$media/corrupt.avi" "$E2E_OUT/plain/broken.avi"
cp "$long" "$E2E_OUT/plain/long.avi"
cp "$media/clip.wmv" "$E2E_OUT/plain/after.wmv"
out=$E2E_OUT/out
mkdir -p "$out"

e2e_start
tw_driver wait "${CONV_W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear"

# ---- The drop: each file is probed in turn, so the rows come one after another.
tw_driver drop "${CONV_W[@]}" --cclass TListView "$(conv_win "$drop")" "$(conv_win "$E2E_OUT/plain/broken.avi")" \
  || e2e_fail "cannot drop on the job list"
for _ in $(seq 300); do
  [ "$(conv_row_count)" -ge 4 ] && break
  sleep 0.2
done
sleep 1  # nothing more may come
expected="$(conv_win "$drop/a.avi")	准备就绪
$(conv_win "$drop/sub/b.mp4")	准备就绪
$(conv_win "$drop/sub/deeper/c.MPG")	准备就绪
$(conv_win "$E2E_OUT/plain/broken.avi")	准备就绪"
e2e_expect "rows after the drop" "$expected" "$(conv_rows)"
conv_add "$E2E_OUT/plain/long.avi"
conv_add "$E2E_OUT/plain/after.wmv"
e2e_expect "rows before the run" 6 "$(conv_row_count)"

# ---- Run 1, at the largest frame size so that the long source takes a while; stopped during it.
tw_driver select "${CONV_W[@]}" --cclass TComboBox --nth 3 1408x1152 >/dev/null || e2e_fail "cannot pick 1408x1152"
tw_driver settext "${CONV_W[@]}" --cclass TEdit "$(conv_win "$out")\\" || e2e_fail "cannot set the output folder"
tw_driver click "${CONV_W[@]}" --text 立即转换 || e2e_fail "cannot press the convert button"
statuses=$E2E_OUT/long-statuses.txt
: >"$statuses"
for _ in $(seq 600); do
  s=$(conv_rows | sed -n 5p | cut -f2)
  case $s in 转换中*) [ "$(tail -n 1 "$statuses")" = "$s" ] || echo "$s" >>"$statuses" ;; esac
  # Stopped once the count has moved twice, well before the end.
  [ "$(grep -c . "$statuses")" -ge 3 ] && break
  sleep 0.2
done
echo "statuses of the long job: $(tr '\n' ' ' <"$statuses")"
percents=$(sed -n 's/^转换中 \([0-9]*\)%$/\1/p' "$statuses")
[ "$(grep -c . <<<"$percents")" -ge 3 ] || e2e_fail "the running job's status did not count up (see $statuses)"
[ "$(sort -n <<<"$percents")" = "$percents" ] || e2e_fail "the running job's status went backwards"
[ "$(tail -n 1 <<<"$percents")" -lt 100 ] || e2e_fail "the long job ended before it could be stopped"
e2e_expect "the first jobs while the fifth runs" "完成 完成 完成 失败" "$(conv_rows | head -n 4 | cut -f2 | tr '\n' ' ' | sed 's/ $//')"
e2e_expect "convert button during the run" "visible=1 enabled=1" "$(tw_driver state "${CONV_W[@]}" --text 停止转换)"
e2e_expect "add button during the run" "visible=1 enabled=0" "$(tw_driver state "${CONV_W[@]}" --text 新增)"
[ -n "$(conv_procs 'codecs\ffmpeg.exe')" ] || e2e_fail "no FFmpeg runs during the long job"

tw_driver click "${CONV_W[@]}" --text 停止转换 || e2e_fail "cannot press the stop button"
started=$(date +%s.%N)
for _ in $(seq 100); do
  [ -z "$(conv_tool_procs)" ] && break
  sleep 0.02
done
took=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f", b - a }')
e2e_expect "tool processes after the stop" "" "$(conv_tool_procs)"
echo "the encoder and FFmpeg were gone $took s after the stop was pressed"
awk -v t="$took" 'BEGIN { exit !(t < 1) }' || e2e_fail "the encoder took $took s to end"
for _ in $(seq 50); do
  [ "$(tw_driver prop "${CONV_W[@]}" lblInfo.Caption)" = 转换已停止 ] && break
  sleep 0.1
done
e2e_expect "status label after the stop" 转换已停止 "$(tw_driver prop "${CONV_W[@]}" lblInfo.Caption)"
e2e_expect "statuses after the stop" "完成 完成 完成 失败 已停止 准备就绪" \
  "$(conv_rows | cut -f2 | tr '\n' ' ' | sed 's/ $//')"
e2e_expect "convert button after the stop" "visible=1 enabled=1" "$(tw_driver state "${CONV_W[@]}" --text 立即转换)"
e2e_expect "progress bar after the stop" 0 "$(tw_driver progress "${CONV_W[@]}" --cclass TProgressBar | cut -d' ' -f1)"
e2e_expect "outputs after the stop" "a.3GP b.3GP c.3GP" "$(ls "$out" | tr '\n' ' ' | sed 's/ $//')"
tw_driver send "${CONV_W[@]}" --cclass TListView 0x1013 5 0 >/dev/null  # LVM_ENSUREVISIBLE: the last rows in view
echo "screenshot of the stopped run: $(e2e_shot stopped)"
conv_expect_nothing_left

# ---- Details: the failed row tells FFmpeg's lines, in a box titled as the program.
tw_driver dblclick-row "${CONV_W[@]}" --cclass TListView 3 || e2e_fail "cannot double-click the failed row"
box=$(tw_driver msgbox --app TFrmMain) || e2e_fail "no message box for the failed row"
echo "screenshot of the details: $(e2e_shot details)"
printf '%s\n' "$box" | sed 's/^/  | /'
tw_driver msgbox --app TFrmMain '#1' >/dev/null || e2e_fail "cannot close the details box"
e2e_expect "details title" "title: Tarnwick 视频转换" "$(printf '%s\n' "$box" | grep '^title:')"
# The driver prints a backslash doubled and a line break as \r\n.
details=$(printf '%s\n' "$box" | sed -n 's/^text: //p' | sed 's/\\r\\n/\n/g; s/\\\\/\\/g')
e2e_expect "first line of the details" "$(conv_win "$E2E_OUT/plain/broken.avi")" "$(head -n 1 <<<"$details")"
# Whatever FFmpeg makes of the damaged header, its lines name the input it read.
tail -n +3 <<<"$details" | grep -q 'broken\.avi' || e2e_fail "the details hold no FFmpeg line about the source"
grep -q 'ffmpeg_release_time' <<<"$details" && e2e_fail "the details hold progress markers"
lines=$(tail -n +3 <<<"$details" | grep -c .)
[ "$lines" -ge 1 ] && [ "$lines" -le 20 ] || e2e_fail "the details hold $lines lines, not 1 to 20"
echo "ok: the details hold $lines of FFmpeg's lines"
# Another row shows nothing.
for row in 0 4 5; do
  tw_driver dblclick-row "${CONV_W[@]}" --cclass TListView "$row" || e2e_fail "cannot double-click row $row"
done
sleep 1
tw_driver list --app TFrmMain | grep -q '#32770' && e2e_fail "a row that did not fail opened a box"
echo "ok: double clicks on finished, stopped and waiting rows open nothing"

# ---- Run 2 converts everything again, the long source at the smallest size.
tw_driver select "${CONV_W[@]}" --cclass TComboBox --nth 3 128x96 >/dev/null || e2e_fail "cannot pick 128x96"
tw_driver click "${CONV_W[@]}" --text 立即转换 || e2e_fail "cannot press the convert button again"
e2e_expect "status label after run 2" "转换完成（1 个失败）" "$(conv_wait_done 300)"
e2e_expect "statuses after run 2" "完成 完成 完成 失败 完成 完成" "$(conv_rows | cut -f2 | tr '\n' ' ' | sed 's/ $//')"
got=$(conv_streams "$out/long.3GP")
case $got in 3gp*" mpeg4 128x96 "*) conv_near "${got##* }" 60 1.5 || e2e_fail "long.3GP lasts ${got##* } s" ;;
  *) e2e_fail "long.3GP of run 2: [$got]" ;; esac
echo "ok: long.3GP of run 2: $got"

e2e_close "${CONV_W[@]}"
e2e_expect "exit code" 0 "$E2E_RC"
conv_expect_nothing_left
grep -q 'Unhandled\|err:seh' "$E2E_OUT/program.log" && e2e_fail "the program's log reports a crash"
e2e_pass
