#!/usr/bin/env bash
# Closing the window in the middle of a real conversion (a long source at the largest frame
# size): the program exits with code 0 within seconds, no crash report appears, and neither the
# encoder front-end nor the FFmpeg it runs is left behind, nor the half-written output.
# usage: tests/convert/close_midrun.sh <build>/bin/Tarnwick.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/e2e-lib.sh"

e2e_init convert-close "${1:?usage: close_midrun.sh Tarnwick.exe}"
. "$here/convert-lib.sh"

[ -f "$TW_BUILD/bin/codecs/ffmpeg.exe" ] || e2e_fail "no Windows FFmpeg in $TW_BUILD/bin/codecs (build tw_codecs)"
long=$(conv_long_source 60)
mkdir -p "$E2E_OUT/out"

e2e_start
tw_driver wait "${CONV_W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear"
conv_add "$long"
tw_driver select "${CONV_W[@]}" --cclass TComboBox --nth 3 1408x1152 >/dev/null || e2e_fail "cannot pick 1408x1152"
tw_driver settext "${CONV_W[@]}" --cclass TEdit "$(conv_win "$E2E_OUT/out")\\" || e2e_fail "cannot set the output folder"
tw_driver click "${CONV_W[@]}" --text 立即转换 || e2e_fail "cannot press the convert button"

# Mid-run: the front-end and the FFmpeg under it both run, and the bar has left 0.
front="" real="" pos=0
for i in $(seq 100); do
  front=$(conv_procs 'bin\ffmpeg.exe')
  real=$(conv_procs 'codecs\ffmpeg.exe')
  pos=$(tw_driver progress "${CONV_W[@]}" --cclass TProgressBar | cut -d' ' -f1)
  [ -n "$front" ] && [ -n "$real" ] && [ "$pos" -gt 0 ] && break
  sleep 0.2
done
[ -n "$front" ] && [ -n "$real" ] || e2e_fail "the encoder did not start (front-end: [$front], FFmpeg: [$real])"
[ "$pos" -gt 0 ] || e2e_fail "the conversion made no progress"
[ "$pos" -lt 60 ] || e2e_fail "the conversion ended before the window could be closed mid-run"
e2e_shot mid-run >/dev/null
echo "closing at position $pos of 60"

started=$(date +%s.%N)
e2e_close "${CONV_W[@]}"
took=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
echo "the program ended $took s after WM_CLOSE"
e2e_expect "exit code" 0 "$E2E_RC"
awk -v t="$took" 'BEGIN { exit !(t < 5) }' || e2e_fail "the program took $took s to end"
conv_expect_nothing_left
grep -q 'Unhandled\|err:seh' "$E2E_OUT/program.log" && e2e_fail "the program's log reports a crash"
# The half-written output of the interrupted job is unreadable; the program takes it away.
e2e_expect "left in the output folder" "" "$(ls -A "$E2E_OUT/out")"
e2e_pass
