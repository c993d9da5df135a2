#!/usr/bin/env bash
# The gallery's Tabs 2 page under Wine: button and flat-button tabs, an overflowing tab control
# with its scroll arrows, tab sets and a stand-alone header; prints each one's skin query answer
# and keeps screenshots. usage: tests/controls/tabs2_e2e.sh <build>/bin/SkinGallery.exe
set -euo pipefail
. $(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh
. $(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh
e2e_init tabs2 "$1"
G=(--class TFrmGallery)
for s in 0 2; do
e2e_start --skin $s --page 7
tw_driver wait "${G[@]}" --timeout 30000 >/dev/null || e2e_fail "no gallery"
sleep 2
e2e_shot "tabs2-skin$s"
tw_driver tree "${G[@]}" | grep -E "TTabControl|TTabSet|THeaderControl|msctls|TTabScroller" | while read -r h rest; do echo "$h $(tw_driver send --hwnd $h 0x3523 2>/dev/null) $rest" | cut -c1-150; done
e2e_close "${G[@]}"; echo "rc=$E2E_RC"
done
mkdir -p $TW_BUILD/screenshots/tabs2; cp "$E2E_OUT"/*.png $TW_BUILD/screenshots/tabs2/
e2e_pass
