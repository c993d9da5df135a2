#!/usr/bin/env bash
# The duration probe and the command lines of both tools, with scripted stand-ins: a copy of the
# program in a scratch folder with our fake tool beside it as "mplayer.exe" and "ffmpeg.exe".
# A job's playing time is not shown anywhere, so it is read where it ends up: the progress bar's
# maximum while the job converts. Also: an unfinished marker line moves the bar, a missing probe
# tool adds the job at once, and closing the window during a probe ends the probe tool.
# usage: tests/convert/probe_cases.sh <build>/bin/Tarnwick.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/e2e-lib.sh"

e2e_init convert-probe "${1:?usage: probe_cases.sh Tarnwick.exe}"
. "$here/convert-lib.sh"
e2e_on_exit() { conv_watch_stop; }

fake=$TW_BUILD/bin/test-tools/conv_fake_tool.exe
[ -f "$fake" ] || e2e_fail "no $fake: build the conv_fake_tool target"
prog="$E2E_OUT/程序 目录"
mkdir -p "$prog" "$E2E_OUT/out"
cp "$E2E_APP" "$prog/Tarnwick.exe"
cp "$fake" "$prog/mplayer.exe"
cp "$fake" "$prog/ffmpeg.exe"
E2E_APP=$prog/Tarnwick.exe
src="$E2E_OUT/片段 源.avi"
printf 'not read by the fake tools\n' >"$src"

probe_says() { printf '%b' "$1" >"$prog/mplayer.exe.out"; }
bar() { tw_driver progress "${CONV_W[@]}" --cclass TProgressBar; }   # "pos min max"

e2e_start
tw_driver wait "${CONV_W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear"

# No output folder: the message, and nothing runs.
tw_driver click "${CONV_W[@]}" --text 立即转换 || e2e_fail "cannot press the convert button"
e2e_expect "message without an output folder" "text: 请选择保存的文件夹" \
  "$(tw_driver msgbox --app TFrmMain '#1' | grep '^text:')"
# A folder that cannot be created (a file stands in its way): the error box, then the error
# itself; the run does not start and the controls stay enabled.
printf 'a file\n' >"$E2E_OUT/afile"
bad="$(conv_win "$E2E_OUT/afile")\\sub\\"
tw_driver settext "${CONV_W[@]}" --cclass TEdit "$bad" || e2e_fail "cannot set the output folder"
tw_driver click "${CONV_W[@]}" --text 立即转换 || e2e_fail "cannot press the convert button"
e2e_expect "folder error box" "text: 建立目录：${bad//\\/\\\\}出错！\\r\\n\\r\\n请检查目录名是否正确。" \
  "$(tw_driver msgbox --app TFrmMain '#1' | grep '^text:')"
second=$(tw_driver msgbox --app TFrmMain '#1' | grep '^text:') || e2e_fail "no error report after the folder error box"
echo "error report after it: $second"
e2e_expect "convert button after the folder error" "visible=1 enabled=1" "$(tw_driver state "${CONV_W[@]}" --text 立即转换)"
e2e_expect "status label after the folder error" "准备就绪" "$(tw_driver prop "${CONV_W[@]}" lblInfo.Caption)"
[ -e "$E2E_OUT/afile/sub" ] && e2e_fail "a folder was made below a file"

tw_driver settext "${CONV_W[@]}" --cclass TEdit "$(conv_win "$E2E_OUT/out")\\" || e2e_fail "cannot set the output folder"
# An empty list converts at once.
tw_driver click "${CONV_W[@]}" --text 立即转换 || e2e_fail "cannot press the convert button"
e2e_expect "status label after an empty run" "转换完成" "$(conv_wait_done 20)"

# convert_one: converts the one job of the list with the fake encoder, which writes no output,
# so the job fails; prints the bar after the run ("pos min max").
convert_one() {
  tw_driver click "${CONV_W[@]}" --text 立即转换 || e2e_fail "cannot press the convert button"
  e2e_expect "status label" "转换完成（1 个失败）" "$(conv_wait_done 60)" >&2
  bar
}

# The first case also lets the fake encoder print a marker pair without a line end and wait:
# the bar moves before the line is complete (13.5 rounds to the even 14).
probe_says 'ID_VIDEO_FORMAT=DX50\nID_LENGTH=59.99\nID_EXIT=EOF\n'
printf 'frame=  100 ffmpeg_release_time=13.5=ffmpeg_release_time' >"$prog/ffmpeg.exe.out"
echo 4000 >"$prog/ffmpeg.exe.sleep"
conv_add "$src"
tw_driver click "${CONV_W[@]}" --text 立即转换 || e2e_fail "cannot press the convert button"
during=""
for i in $(seq 30); do
  during=$(bar)
  [ "$during" = "14 0 59" ] && break
  sleep 0.1
done
e2e_expect "bar during an unfinished marker line (59.99 s probed)" "14 0 59" "$during"
e2e_expect "status label" "转换完成（1 个失败）" "$(conv_wait_done 60)"
e2e_expect "bar after the run" "0 0 59" "$(bar)"
rm -f "$prog/ffmpeg.exe.out" "$prog/ffmpeg.exe.sleep"

# What the tools were given, character for character.
exe=$(conv_win "$prog")
e2e_expect "probe command line" \
  "\"$exe\\mplayer.exe\" -msglevel identify=6 -vo none -ao none \"$(conv_win "$src")\" 2>&1 |grep ID_LENGTH" \
  "$(tr -d '\r' <"$prog/mplayer.exe.log")"
e2e_expect "encoder command line" \
  "\"$exe\\ffmpeg.exe\" -i \"$(conv_win "$src")\" -vcodec mpeg4 -f 3gp -b 120K -r 14.985 -s 176x144 -ar 8000 -ab 12.2K -ac 1  -y  \"$(conv_win "$E2E_OUT/out")\\片段 源.3GP\"" \
  "$(tr -d '\r' <"$prog/ffmpeg.exe.log")"

# probe_case WHAT OUTPUT WANTED-MAX: a fresh list with one job probed from OUTPUT.
probe_case() {
  tw_driver click "${CONV_W[@]}" --text 清空 || e2e_fail "cannot press the clear button"
  probe_says "$2"
  conv_add "$src"
  e2e_expect "$1" "0 0 $3" "$(convert_one)"
}
probe_case "length 0.00" 'ID_LENGTH=0.00\r\n' 0
# Only the first number: without the stop at CR LF the digits of the next line would make 71.
probe_case "length followed by CR LF and more lines" 'ID_LENGTH=7\r\nID_SEEKABLE=1\r\nID_LENGTH=9\r\n' 7
probe_case "marker in other letter case" 'Id_Length=125.87\n' 125
# A probe that ends without the marker, with an error: the job gets 0 as soon as the tool ends.
echo 1 >"$prog/mplayer.exe.exit"
probe_case "no length line" 'ID_VIDEO_FORMAT=DX50\nError: cannot play\n' 0
rm -f "$prog/mplayer.exe.exit"

# The encoder's verdict: an output file and exit code 0 is a success; a non-zero exit fails the
# job even when a file was written (a cut-off encode leaves one).
printf 'ID_LENGTH=3\n' >"$prog/mplayer.exe.out"
printf 'not really a 3GP\n' >"$prog/ffmpeg.exe.make"
tw_driver click "${CONV_W[@]}" --text 清空 || e2e_fail "cannot press the clear button"
conv_add "$src"
tw_driver click "${CONV_W[@]}" --text 立即转换 || e2e_fail "cannot press the convert button"
e2e_expect "status label, output and exit code 0" "转换完成" "$(conv_wait_done 60)"
e2e_expect "row, output and exit code 0" "$(conv_win "$src")	完成" "$(conv_rows)"
# The failed job's output is deleted, though a process left behind refuses that for a while:
# the window keeps answering meanwhile.
echo 1 >"$prog/ffmpeg.exe.exit"
echo 700 >"$prog/ffmpeg.exe.hold"
conv_watch_start "$E2E_OUT/answers.txt"
sleep 0.5
tw_driver click "${CONV_W[@]}" --text 立即转换 || e2e_fail "cannot press the convert button"
e2e_expect "status label, output and exit code 1" "转换完成（1 个失败）" "$(conv_wait_done 60)"
conv_watch_stop
e2e_expect "row, output and exit code 1" "$(conv_win "$src")	失败" "$(conv_rows)"
[ -e "$E2E_OUT/out/片段 源.3GP" ] && e2e_fail "the failed job's output was left behind"
slowest=$(awk '$1 == "slowest-reply" { print $2 }' "$E2E_OUT/answers.txt")
echo "slowest answer of the window while the output was held: ${slowest:-none} ms"
[ -n "$slowest" ] && [ "$slowest" -lt 350 ] || e2e_fail "the window did not answer for ${slowest:-?} ms while the output was held"
rm -f "$prog/ffmpeg.exe.make" "$prog/ffmpeg.exe.exit" "$prog/ffmpeg.exe.hold" "$E2E_OUT/out/片段 源.3GP"

# A missing probe tool: the job is added with 0 at once, not after 50 polls.
mv "$prog/mplayer.exe" "$prog/mplayer.exe.away"
tw_driver click "${CONV_W[@]}" --text 清空 || e2e_fail "cannot press the clear button"
started=$(date +%s.%N)
conv_add "$src" 20
took=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
echo "add without a probe tool took $took s (including the driver's own runs)"
awk -v t="$took" 'BEGIN { exit !(t < 5) }' || e2e_fail "adding without a probe tool took $took s"
e2e_expect "missing probe tool" "0 0 0" "$(convert_one)"
e2e_expect "row without a probe tool" "$(conv_win "$src")	失败" "$(conv_rows)"
mv "$prog/mplayer.exe.away" "$prog/mplayer.exe"

# Closing the window while a probe runs: the probe tool ends with the program.
rm -f "$prog/mplayer.exe.out"
echo 120000 >"$prog/mplayer.exe.sleep"
tw_driver click "${CONV_W[@]}" --text 新增 || e2e_fail "cannot press the add button"
tw_driver dialog-path --app TFrmMain "$(conv_win "$src")" >/dev/null || e2e_fail "the open dialog did not take the file"
for i in $(seq 50); do
  [ -n "$(conv_procs mplayer.exe)" ] && break
  sleep 0.1
done
[ -n "$(conv_procs mplayer.exe)" ] || e2e_fail "the probe tool did not start"
for b in 新增 删除 清空 立即转换; do
  e2e_expect "$b during the probe" "visible=1 enabled=0" "$(tw_driver state "${CONV_W[@]}" --text "$b")"
done
started=$SECONDS
e2e_close "${CONV_W[@]}"
echo "closed during the probe in about $((SECONDS - started)) s"
e2e_expect "exit code after closing during the probe" 0 "$E2E_RC"
conv_expect_nothing_left
e2e_pass
