#!/usr/bin/env bash
# The conversion run of the real program under Wine, with the real probe and encoder beside it
# and the Windows FFmpeg in bin/codecs: sources of every container family added through the open
# dialog, the output folder chosen in the folder browser, "立即转换" pressed; then every output is
# read with the Linux ffprobe. Also: a corrupt source fails alone, a path with blanks and Chinese
# characters converts, two sources of one name give two outputs, and a second run with other
# options (into a folder the run creates) moves the progress bar while it converts.
# usage: tests/convert/convert_e2e.sh <build>/bin/Tarnwick.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/e2e-lib.sh"

e2e_init convert "${1:?usage: convert_e2e.sh Tarnwick.exe}"
. "$here/convert-lib.sh"
e2e_on_exit() { conv_watch_stop; }

[ -f "$TW_BUILD/bin/codecs/ffmpeg.exe" ] || e2e_fail "no Windows FFmpeg in $TW_BUILD/bin/codecs (build tw_codecs)"
[ -f "$TW_BUILD/bin/test-tools/conv_progress_watch.exe" ] || e2e_fail "build the conv_progress_watch target"
media=$(conv_media)
long=$(conv_long_source 60)

# The sources, named by family so the outputs tell them apart. The second "avi.avi" is the
# 60-second source: its output must not replace the first one's, and it keeps the run going
# while the controls are looked at.
src=$E2E_OUT/sources
odd="$src/中文 目录/测试 视频.mp4"
mkdir -p "$src/again" "$(dirname "$odd")"
families=(avi:clip.avi MPG:clip.mpg VOB:clip.vob DAT:clip.dat wmv:clip.wmv asf:clip.asf mp4:clip.mp4
          3gp:clip.3gp mov:clip.mov rm:clip.rm)
sources=()
for f in "${families[@]}"; do
  ext=${f%%:*}
  cp "$media/${f#*:}" "$src/${ext,,}.$ext"
  sources+=("$src/${ext,,}.$ext")
done
cp "$media/clip.mp4" "$odd"
cp "$long" "$src/again/avi.avi"
cp "$media/corrupt.avi" "$src/broken.avi"
sources+=("$odd" "$src/again/avi.avi" "$src/broken.avi")

e2e_start
tw_driver wait "${CONV_W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear"

# ---- Run 1: every family with the start-up options (176x144, 14.985 frames/s, 120K).
for s in "${sources[@]}"; do conv_add "$s"; done
rows=$(conv_rows)
e2e_expect "rows after adding" "${#sources[@]}" "$(printf '%s\n' "$rows" | wc -l)"
e2e_expect "row of the Chinese path" "$(conv_win "$odd")	准备就绪" "$(printf '%s\n' "$rows" | sed -n 11p)"
e2e_shot added >/dev/null

out1=$E2E_OUT/out1
mkdir -p "$out1"
conv_set_output "$out1"
started=$SECONDS
tw_driver click "${CONV_W[@]}" --text 立即转换 || e2e_fail "cannot press the convert button"
sleep 0.3
for b in 新增 删除 清空; do
  e2e_expect "$b during the run" "visible=1 enabled=0" "$(tw_driver state "${CONV_W[@]}" --text "$b")"
done
# The convert button stays usable: it stops the run.
e2e_expect "convert button during the run" "visible=1 enabled=1" "$(tw_driver state "${CONV_W[@]}" --text 停止转换)"
e2e_expect "job list during the run" "visible=1 enabled=0" "$(tw_driver state "${CONV_W[@]}" --cclass TListView)"
e2e_expect "settings group during the run" "visible=1 enabled=0" "$(tw_driver state "${CONV_W[@]}" --text 设置)"
e2e_expect "output group during the run" "visible=1 enabled=0" "$(tw_driver state "${CONV_W[@]}" --text 输出)"
# The folder button is disabled through its group: a real mouse click on it opens nothing.
read -r fx fy < <(tw_driver tree "${CONV_W[@]}" | awk 'index($0, "\"设置输出目录\"") { for (i = 1; i <= NF; i++)
  if ($i ~ /^screen=/) { split(substr($i, 8), p, /[,x]/); print p[1] + int(p[3] / 2), p[2] + int(p[4] / 2) } }')
[ -n "${fy:-}" ] || e2e_fail "no folder button in the window tree"
xdotool mousemove --sync "$fx" "$fy" click 1
sleep 1
tw_driver list --app TFrmMain | grep -q '#32770' && e2e_fail "the folder browser opened during the run"
echo "ok: a click on the folder button during the run opens nothing"
label=$(conv_wait_done 300)
echo "run 1 took $((SECONDS - started)) s"
e2e_shot run1-done >/dev/null
e2e_expect "status label after run 1" "转换完成（1 个失败）" "$label"
e2e_expect "convert button after the run" "visible=1 enabled=1" "$(tw_driver state "${CONV_W[@]}" --text 立即转换)"
# The same click after the run does open the folder browser.
xdotool mousemove --sync "$fx" "$fy" click 1
tw_driver press --app TFrmMain '#2' >/dev/null || e2e_fail "a click on the folder button after the run opened nothing"
echo "ok: a click on the folder button after the run opens the folder browser"
e2e_expect "progress bar after the run" "0" "$(tw_driver progress "${CONV_W[@]}" --cclass TProgressBar | cut -d' ' -f1)"

rows=$(conv_rows)
i=0
for s in "${sources[@]}"; do
  i=$((i + 1))
  want=完成
  [ "$s" = "$src/broken.avi" ] && want=失败
  e2e_expect "status of $(basename "$s")" "$(conv_win "$s")	$want" "$(printf '%s\n' "$rows" | sed -n ${i}p)"
done

# Each output: a 3GP with MPEG-4 video at the chosen size and rate and AMR-NB sound (the encoder
# front-end picks AMR-NB at 8000 Hz mono when the FFmpeg build has it, and this one has), as
# long as its source.
check_output() {  # FILE SIZE RATE SECONDS
  local got brand vc size rate ac hz ch dur
  got=$(conv_streams "$1")
  read -r brand vc size rate ac hz ch dur <<<"$got"
  [ "${brand:0:3}" = 3gp ] && [ "$vc" = mpeg4 ] && [ "$size" = "$2" ] && [ "$rate" = "$3" ] &&
    [ "$ac" = amr_nb ] && [ "$hz" = 8000 ] && [ "$ch" = 1 ] && conv_near "$dur" "$4" 0.7 ||
    e2e_fail "$(basename "$1"): wanted 3gp* mpeg4 $2 $3 amr_nb 8000 1 ~$4 s, got [$got]"
  echo "ok: $(basename "$1"): $got"
}
expected=()
for f in "${families[@]}"; do
  ext=${f%%:*}
  expected+=("${ext,,}.3GP")
  check_output "$out1/${ext,,}.3GP" 176x144 2997/200 3
done
check_output "$out1/测试 视频.3GP" 176x144 2997/200 3
check_output "$out1/avi (2).3GP" 176x144 2997/200 60
expected+=("测试 视频.3GP" "avi (2).3GP")
e2e_expect "output files" "$(printf '%s\n' "${expected[@]}" | sort)" \
  "$(cd "$out1" && find . -name '*.3GP' | sed 's|^\./||' | sort)"

# ---- Run 2: other options, an output folder that does not exist yet, a long source to watch.
tw_driver click "${CONV_W[@]}" --text 清空 || e2e_fail "cannot press the clear button"
sleep 0.3
e2e_expect "rows after clear" 0 "$(conv_row_count)"
tw_driver select "${CONV_W[@]}" --cclass TComboBox --nth 1 256K >/dev/null || e2e_fail "cannot pick 256K"
tw_driver select "${CONV_W[@]}" --cclass TComboBox --nth 2 25.000 >/dev/null || e2e_fail "cannot pick 25.000"
tw_driver select "${CONV_W[@]}" --cclass TComboBox --nth 3 320x240 >/dev/null || e2e_fail "cannot pick 320x240"
conv_add "$long"
conv_add "$odd"
out2="$E2E_OUT/out2/新 文件夹/深层"
tw_driver settext "${CONV_W[@]}" --cclass TEdit "$(conv_win "$out2")\\" || e2e_fail "cannot set the output folder"

conv_watch_start "$E2E_OUT/progress.txt"
sleep 1
tw_driver click "${CONV_W[@]}" --text 立即转换 || e2e_fail "cannot press the convert button"
during=""
for i in $(seq 50); do
  during=$(tw_driver prop "${CONV_W[@]}" lblInfo.Caption)
  case $during in 正在转换*) break ;; esac
  sleep 0.1
done
e2e_shot run2-running >/dev/null
label=$(conv_wait_done 300)
conv_watch_stop
case $during in
  "正在转换 $(conv_win "$long")"|"正在转换 $(conv_win "$odd")") echo "ok: status label during run 2: $during" ;;
  *) e2e_fail "status label during run 2 names no job of the run: [$during]" ;;
esac
e2e_expect "status label after run 2" "转换完成" "$label"
e2e_expect "statuses after run 2" "完成 完成" "$(conv_rows | cut -f2 | tr '\n' ' ' | sed 's/ $//')"
check_output "$out2/long-60s.3GP" 320x240 25/1 60
check_output "$out2/测试 视频.3GP" 320x240 25/1 3

# The bar of the long source: its maximum is the probed length (60 s), and it stood between 0
# and the end before the end (rising), not only jumping to the end when the file was done.
moves=$(awk '$3 == 60 && $2 > 0 && $2 < 60 { print $2 }' "$E2E_OUT/progress.txt")
echo "progress positions seen for the long source: $(tr '\n' ' ' <<<"$moves")"
[ "$(printf '%s\n' "$moves" | grep -c .)" -ge 1 ] || e2e_fail "the progress bar did not move (see $E2E_OUT/progress.txt)"
[ "$(printf '%s\n' "$moves" | sort -n)" = "$moves" ] || e2e_fail "the progress bar went backwards: $(tr '\n' ' ' <<<"$moves")"

e2e_close "${CONV_W[@]}"
e2e_expect "exit code" 0 "$E2E_RC"
conv_expect_nothing_left
e2e_pass
