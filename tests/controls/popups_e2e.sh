#!/usr/bin/env bash
# Skinned popup menus in the gallery under Wine, with real input: the edit box's own context
# menu (right click in an edit) and the system menu (Alt+Space) open in a window that answers
# the skin query with 1 while open, and whose 3-pixel frame shows no pixel in the bench's
# signature colours (the system's face, shadow and light).
# usage: tests/controls/popups_e2e.sh <build>/bin/SkinGallery.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

GALLERY=${1:?usage: popups_e2e.sh SkinGallery.exe}
e2e_init popups "$GALLERY"
G=(--class TFrmGallery)
P=(--app TFrmGallery --class '#32768')

wait_skinned() {
  local i
  for i in $(seq 50); do
    [ "$(tw_driver send "$@" $SKM_QUERY 2>/dev/null | cut -d' ' -f1)" = 1 ] && return 0
    sleep 0.1
  done
  e2e_fail "no skinned window $*"
}
# check_popup WHAT: the open popup is skinned and its frame bands are free of system colours.
check_popup() {
  local what=$1 line wx wy ww wh shot n total=0 band
  wait_skinned "${P[@]}"
  sleep 0.5
  shot=$(e2e_shot "$what")
  line=$(tw_driver rects "${P[@]}")
  read -r wx wy ww wh < <(sed 's/.*window=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/' <<<"$line")
  for band in "${ww}x3+$wx+$wy" "${ww}x3+$wx+$((wy + wh - 3))" "3x${wh}+$wx+$wy" "3x${wh}+$((wx + ww - 3))+$wy"; do
    n=$(tw_signature_pixels "$shot" "$band")
    total=$((total + n))
  done
  e2e_expect "$what: signature pixels in the popup frame" 0 "$total"
  echo "ok: $what: skinned, frame free of system colours"
}

e2e_start --skin 2 --page 1
tw_driver wait "${G[@]}" --timeout 30000 >/dev/null || e2e_fail "no gallery"
wait_skinned "${G[@]}"
sleep 0.5

# The edit's own context menu.
read -r ex ey < <(tw_driver tree "${G[@]}" | sed -n 's/.* TEdit[^ ]* .*visible=1 .*screen=\([-0-9]*\),\([-0-9]*\),.*/\1 \2/p' | head -1)
[ -n "${ex:-}" ] || e2e_fail "no edit"
xdotool mousemove --sync $((ex + 10)) $((ey + 5)) click 3
check_popup edit-context
xdotool key Escape
sleep 0.5

# The system menu.
tw_driver activate "${G[@]}" >/dev/null 2>&1 || true
xdotool key alt+space
check_popup system-menu
xdotool key Escape
sleep 0.5

e2e_close "${G[@]}"
e2e_expect "gallery: exit code" 0 "$E2E_RC"
echo "popups: screenshots in $E2E_OUT"
e2e_pass
