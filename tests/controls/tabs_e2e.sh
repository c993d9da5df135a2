#!/usr/bin/env bash
# Skinned tab and page controls in the gallery's Tabs page under Wine, with real input: under
# every built-in skin each tab control, page control and page answers the skin query and shows
# no pixel in the bench's signature colours; tabs on all four sides switch by a click on a tab
# and by Ctrl+Tab; a page of the Tag 7777 page control closes from its tab's close box and a
# click in its page content closes nothing.
# usage: tests/controls/tabs_e2e.sh <build>/bin/SkinGallery.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

GALLERY=${1:?usage: tabs_e2e.sh SkinGallery.exe}
e2e_init tabs "$GALLERY"
G=(--class TFrmGallery)
TAB=56  # the page's fixed tab width

prop() { tw_driver prop "${G[@]}" "$1"; }
# controls: "HANDLE CLASS WxH+X+Y" of every visible tab control, page control and page.
controls() {
  tw_driver tree "${G[@]}" | sed -n "s/^ *\(0x[0-9a-fA-F]*\) \(TPageControl\|TTabControl\|TTabSheet\) id=.* visible=1 .* screen=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \5x\6+\3+\4/p"
}
# pages: "W H X Y" of every page control, top to bottom and left to right: on the page these are
# the top, bottom, left, right, closing and disabled ones.
pages() {
  controls | sed -n 's/^[^ ]* TPageControl \([0-9]*\)x\([0-9]*\)+\([-0-9]*\)+\([-0-9]*\)/\1 \2 \3 \4/p' |
    sort -k4,4n -k3,3n
}
# tab_point SIDE W H X Y INDEX: the middle of tab INDEX (tabs are $TAB long, 2 pixels in).
tab_point() {
  local along=$((2 + $6 * TAB + TAB / 2))
  case $1 in
    top) echo "$(($4 + along)) $(($5 + 10))" ;;
    bottom) echo "$(($4 + along)) $(($5 + $3 - 10))" ;;
    left) echo "$(($4 + 10)) $(($5 + along))" ;;
    right) echo "$(($4 + $2 - 10)) $(($5 + along))" ;;
  esac
}
start() { gallery_start "$1" 3 13 controls; }

for s in 0 1 2 3 4; do
  start "$s"
  shot=$(e2e_shot "tabs-skin$s")
  expect_skinned_controls "$s" "$shot" 13 "tab controls and pages" < <(controls)
  echo "ok: skin $s: $SKINNED tab controls and pages skinned, no system colours"
  e2e_close "${G[@]}"
  e2e_expect "gallery under skin $s: exit code" 0 "$E2E_RC"
done
# Real input under skin 2: a click on a tab and Ctrl+Tab switch the pages on every side.
start 2
mapfile -t BOXES < <(pages)
[ "${#BOXES[@]}" = 6 ] || e2e_fail "wanted 6 page controls, got ${#BOXES[@]}"
names=(pgcTop pgcBottom pgcLeft pgcRight)
sides=(top bottom left right)
for k in 0 1 2 3; do
  name=${names[$k]} side=${sides[$k]}
  read -r x y < <(tab_point "$side" ${BOXES[$k]} 1)
  tw_xclick "$x" "$y"
  sleep 0.4
  e2e_expect "$side: a click on the second tab shows its page" 1 "$(prop "$name.ActivePageIndex")"
  e2e_shot "$side-clicked" >/dev/null
  tw_xkeys ctrl+Tab
  sleep 0.3
  e2e_expect "$side: Ctrl+Tab shows the third page" 2 "$(prop "$name.ActivePageIndex")"
  tw_xkeys ctrl+Tab
  sleep 0.3
  e2e_expect "$side: Ctrl+Tab from the last page comes round to the first" 0 "$(prop "$name.ActivePageIndex")"
  tw_xkeys ctrl+shift+Tab
  sleep 0.3
  e2e_expect "$side: Ctrl+Shift+Tab goes back to the last" 2 "$(prop "$name.ActivePageIndex")"
done
echo "ok: tabs switch by click and Ctrl+Tab on all four sides"

# The closing page control (Tag 7777, tabs on top): clicks in the page content and on a tab's
# caption close nothing; a click on the selected tab's close box closes that page.
read -r w h x y <<<"${BOXES[4]}"
for point in "$((x + w / 2)) $((y + h / 2))" "$((x + 20)) $((y + h - 12))" "$((x + w - 8)) $((y + 30))"; do
  tw_xclick $point
  sleep 0.3
  e2e_expect "a click in the page content at $point closes nothing" 3 "$(prop pgcClose.PageCount)"
done
read -r tx ty < <(tab_point top "$w" "$h" "$x" "$y" 1)
tw_xclick $((tx - 10)) "$ty"
sleep 0.4
e2e_expect "a click on the second tab's caption selects it" 1 "$(prop pgcClose.ActivePageIndex)"
e2e_expect "a click on the second tab's caption closes nothing" 3 "$(prop pgcClose.PageCount)"
e2e_shot close-before >/dev/null
# The selected tab stands 2 pixels out: its box is 2 to 9 pixels in from its top right.
tw_xclick $((x + 2 + 2 * TAB + 2 - 6)) $((y + 5))
sleep 0.5
e2e_shot close-after >/dev/null
e2e_expect "a click on the close box closes the page" 2 "$(prop pgcClose.PageCount)"
query_all=0
after=$(controls)
# shellcheck disable=SC2046 # one handle a word
answers=$(skin_queries $(cut -d' ' -f1 <<<"$after"))
while read -r handle cls box; do
  [ "$(skin_answer "$handle" "$answers")" = 1 ] || e2e_fail "after the close: $cls $handle not skinned"
  query_all=$((query_all + 1))
done <<<"$after"
echo "ok: a Tag 7777 page closes only from its close box ($query_all controls still skinned)"
e2e_close "${G[@]}"
e2e_expect "gallery: exit code" 0 "$E2E_RC"
mkdir -p "$TW_BUILD/screenshots/tabs"
cp "$E2E_OUT"/*.png "$TW_BUILD/screenshots/tabs/"
echo "tabs: screenshots in $E2E_OUT and $TW_BUILD/screenshots/tabs"
e2e_pass
