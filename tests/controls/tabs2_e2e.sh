#!/usr/bin/env bash
# The gallery's Tabs 2 page under Wine: button and flat-button tabs, an overflowing tab control
# with its scroll arrows, tab sets with theirs, a stand-alone header and a page control handed
# its tab backgrounds. Under every built-in skin each visible control of the page answers the
# skin query and shows no pixel in the bench's signature colours, and the backdrop page control
# holds both backgrounds; under the real mouse a click on a tab set's tab selects it and one on
# its right arrow scrolls it; with skinning off the backgrounds are gone, with it on again back.
# usage: tests/controls/tabs2_e2e.sh <build>/bin/SkinGallery.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

e2e_init tabs2 "${1:?usage: tabs2_e2e.sh SkinGallery.exe}"
G=(--class TFrmGallery)
BACKGROUNDS="100x21 100x21"

prop() { tw_driver prop "${G[@]}" "$1"; }
# controls: "HANDLE CLASS WxH+X+Y" of every visible control of the page (the scroll arrows too).
controls() {
  tw_driver tree "${G[@]}" | sed -n "s/^ *\(0x[0-9a-fA-F]*\) \(TTabControl\|TTabSet\|TTabScroller\|THeaderControl\|TBackdropPageControl\|TTabSheet\|msctls_updown32\) id=.* visible=1 .* screen=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \5x\6+\3+\4/p"
}
# box NAME-OF-CLASS NTH: "W H X Y" of the NTH visible control of that class, top to bottom.
box() {
  controls | awk -v c="$1" '$2 == c { print $3 }' | sed 's/\([0-9]*\)x\([0-9]*\)+\([-0-9]*\)+\([-0-9]*\)/\1 \2 \3 \4/' |
    sort -k4,4n -k3,3n | sed -n "${2}p"
}
wait_prop() {
  local got="" i
  for i in $(seq 50); do
    got=$(prop "$2") && [ "$got" = "$3" ] && break
    sleep 0.1
  done
  e2e_expect "$1" "$3" "$got"
}
start() { gallery_start "$1" 7 12 controls; }

for s in 0 1 2 3 4; do
  start "$s"
  shot=$(e2e_shot "tabs2-skin$s")
  expect_skinned_controls "$s" "$shot" 12 controls < <(controls)
  e2e_expect "skin $s: the backdrop page control's tab backgrounds" "$BACKGROUNDS" "$(prop pgcBackdrop.TabBackGroundSizes)"
  echo "ok: skin $s: $SKINNED tab controls, tab sets, arrows, pages and the header skinned, no system colours"
  e2e_close "${G[@]}"
  e2e_expect "gallery under skin $s: exit code" 0 "$E2E_RC"
done

# Real input under skin 2: the first tab set's tabs are clicked where its layout puts them.
start 2
read -r w h x y < <(box TTabSet 1)
e2e_expect "the first tab set starts at its first tab" 0 "$(prop tbsSheets.TabIndex)"
for tab in 2 1; do
  read -r left right < <(prop tbsSheets.TabLayout | tr ' ' '\n' | sed -n "s/^$tab:\([0-9]*\)-\([0-9]*\)$/\1 \2/p")
  [ -n "$left" ] || e2e_fail "tab $tab of the first tab set is not laid out: $(prop tbsSheets.TabLayout)"
  tw_xclick "$((x + (left + right) / 2))" "$((y + h / 2))"
  wait_prop "a click on tab $tab of the tab set selects it" tbsSheets.TabIndex "$tab"
done
e2e_shot tabset-clicked >/dev/null
# The second tab set's arrows: its right half scrolls the first tab shown one on.
read -r w h x y < <(box TTabScroller 1)
e2e_expect "the second tab set shows its first tab first" 0 "$(prop tbsMany.FirstIndex)"
tw_xclick "$((x + w * 3 / 4))" "$((y + h / 2))"
wait_prop "a click on the tab set's right arrow scrolls it" tbsMany.FirstIndex 1
e2e_shot tabset-scrolled >/dev/null

# Skinning off gives the backdrop page control its own tabs back; on again, the skin's.
tw_driver click "${G[@]}" --text Skinning
wait_prop "skinning off: the tab backgrounds" pgcBackdrop.TabBackGroundSizes "0x0 0x0"
e2e_shot skinning-off >/dev/null
tw_driver click "${G[@]}" --text Skinning
wait_prop "skinning on again: the tab backgrounds" pgcBackdrop.TabBackGroundSizes "$BACKGROUNDS"
# Another skin renders them anew (the same size, the new skin's strip).
tw_driver select "${G[@]}" --cclass TComboBox --nth 1 "Walnut"
sleep 1
shot=$(e2e_shot skin-changed)
e2e_expect "after a skin change: the tab backgrounds" "$BACKGROUNDS" "$(prop pgcBackdrop.TabBackGroundSizes)"
read -r w h x y < <(box TBackdropPageControl 1)
e2e_expect "after a skin change: signature pixels in the backdrop page control" 0 \
  "$(tw_signature_pixels "$shot" "${w}x${h}+${x}+${y}")"
e2e_close "${G[@]}"
e2e_expect "gallery: exit code" 0 "$E2E_RC"
mkdir -p "$TW_BUILD/screenshots/tabs2"
cp "$E2E_OUT"/*.png "$TW_BUILD/screenshots/tabs2/"
echo "tabs2: screenshots in $E2E_OUT and $TW_BUILD/screenshots/tabs2"
e2e_pass
