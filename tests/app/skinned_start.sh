#!/usr/bin/env bash
# The real program comes up skinned: the main window answers the skin query within about two
# seconds of showing, keeps its 538x433 client inside the start-up skin's frame, takes a region
# shaped by the skin's transparent borders, hit-tests its skinned title, and no frame of a film
# of the start-up shows the system's caption or border colours. Its message box, open dialog and
# folder browser are skinned too, and a skinned window's frame holds no system colour, active or
# inactive.
# usage: tests/app/skinned_start.sh <build>/bin/Tarnwick.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

e2e_init skinned-start "${1:?usage: skinned_start.sh Tarnwick.exe}"
W=(--class TFrmMain)
read -r frame_left frame_top frame_right frame_bottom transparent < <(skin_frame_of 2)

# A film of the start-up, from before the program starts until it has settled.
film_start "$E2E_OUT/startup.nut" 7
e2e_start
tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear"
shown=$(date +%s%N)
answer=""
for _ in $(seq 50); do
  answer=$(tw_driver send "${W[@]}" $SKM_QUERY 2>/dev/null | cut -d' ' -f1) || answer=""
  [ "$answer" = 1 ] && break
  sleep 0.1
done
skinned_ms=$((($(date +%s%N) - shown) / 1000000))
e2e_expect "skin query answer" 1 "$answer"
echo "skinned ${skinned_ms} ms after the window showed"
[ "$skinned_ms" -le 2500 ] || e2e_fail "the main window took ${skinned_ms} ms to be skinned"

rects=$(tw_driver rects "${W[@]}")
echo "$rects"
e2e_expect "client size" 538x433 "$(sed 's/.*client=[-0-9]*,[-0-9]*,\([0-9]*x[0-9]*\).*/\1/' <<<"$rects")"
e2e_expect "frame" "$frame_left,$frame_top,$frame_right,$frame_bottom" "$(sed 's/.*frame=//' <<<"$rects")"
outer="$((538 + frame_left + frame_right))x$((433 + frame_top + frame_bottom))"
e2e_expect "outer size" "$outer" "$(sed 's/.*window=[-0-9]*,[-0-9]*,\([0-9]*x[0-9]*\).*/\1/' <<<"$rects")"

mid_title="$(((538 + frame_left + frame_right) / 2)),$((frame_top / 2))"
region=$(tw_driver region "${W[@]}" "$mid_title")
if [ "$transparent" -gt 0 ]; then
  grep -q '^type=complex' <<<"$region" || e2e_fail "a skin with transparent borders gave no shaped region: $region"
else
  grep -q '^type=simple' <<<"$region" || e2e_fail "a skin with opaque borders gave no plain region: $region"
fi
grep -q "^$mid_title in=1" <<<"$region" || e2e_fail "the middle of the title is cut away: $region"
echo "ok: region ($(head -1 <<<"$region"))"
e2e_expect "hit test of the title" HTCAPTION "$(tw_driver hittest "${W[@]}" "$mid_title" | cut -d' ' -f1)"
e2e_expect "hit test of the client" HTCLIENT \
  "$(tw_driver hittest "${W[@]}" "$((frame_left + 269)),$((frame_top + 200))" | cut -d' ' -f1)"

film_wait
read -r frames flashes < <(film_frames_with_system_frame "$E2E_OUT/startup.nut")
echo "start-up film: $frames frames, $flashes with the system's caption or border colours"
[ "$frames" -ge 50 ] || e2e_fail "the start-up film holds only $frames frames"
e2e_expect "film frames with a system frame" 0 "$flashes"

shot=$(e2e_shot skinned-main)
e2e_expect "system colours in the main window's frame" 0 "$(frame_signature_pixels "$shot" "$rects")"

# dialog_is_skinned WHAT: the open dialog is a "#32770" of the program: skinned, its frame and
# the inactive main window's frame free of system colours.
dialog_is_skinned() {
  local what=$1 answer="" i
  for i in $(seq 50); do
    answer=$(tw_driver send --app TFrmMain --class '#32770' $SKM_QUERY 2>/dev/null | cut -d' ' -f1) || answer=""
    [ "$answer" = 1 ] && break
    sleep 0.1
  done
  e2e_expect "skin query answer of the $what" 1 "$answer"
  local dialog_rects shot masked x y w h
  dialog_rects=$(tw_driver rects --app TFrmMain --class '#32770')
  shot=$(e2e_shot "skinned-${what// /-}")
  e2e_expect "system colours in the $what's frame" 0 "$(frame_signature_pixels "$shot" "$dialog_rects")"
  # The main window's frame where the dialog does not cover it.
  read -r x y w h < <(sed 's/.*window=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/' <<<"$dialog_rects")
  masked=$E2E_OUT/masked.png
  convert "$shot" -fill black -draw "rectangle $x,$y $((x + w - 1)),$((y + h - 1))" "$masked"
  e2e_expect "system colours in the inactive main window's frame" 0 \
    "$(frame_signature_pixels "$masked" "$(tw_driver rects "${W[@]}")")"
}

tw_driver click "${W[@]}" --text 新增 >/dev/null
dialog_is_skinned "open dialog"
tw_driver press --app TFrmMain '#2' >/dev/null || e2e_fail "cannot cancel the open dialog"

tw_driver click "${W[@]}" --text 设置输出目录 >/dev/null
dialog_is_skinned "folder browser"
tw_driver press --app TFrmMain '#2' >/dev/null || e2e_fail "cannot cancel the folder browser"

tw_driver settext "${W[@]}" --cclass TEdit "" >/dev/null
tw_driver click "${W[@]}" --text 立即转换 >/dev/null
dialog_is_skinned "message box"
e2e_expect "message box text" "text: 请选择保存的文件夹" \
  "$(tw_driver msgbox --app TFrmMain '#1' | grep '^text:')"

e2e_close "${W[@]}"
e2e_expect "exit code" 0 "$E2E_RC"
e2e_pass
