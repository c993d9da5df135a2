#!/usr/bin/env bash
# The real main window under each built-in skin (test builds choose the start-up skin through
# TARNWICK_STARTUP_SKIN): skinned, its 538x433 client inside that skin's own frame, no system
# colour in the frame; a screenshot of each, and of a message box over it.
# usage: tests/app/skins.sh <build>/bin/Tarnwick.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

e2e_init main-skins "${1:?usage: skins.sh Tarnwick.exe}"
W=(--class TFrmMain)
skin_query_is() { [ "$(tw_driver send "$@" $SKM_QUERY 2>/dev/null | cut -d' ' -f1)" = 1 ]; }
field() { sed "s/.* $1=\([^ ]*\).*/\1/" <<<" $2"; }

for i in 0 1 2 3 4; do
  read -r left top right bottom _ < <(skin_frame_of $i)
  export TARNWICK_STARTUP_SKIN=$i
  e2e_start
  unset TARNWICK_STARTUP_SKIN
  tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "skin $i: the main window did not appear"
  for _ in $(seq 50); do skin_query_is "${W[@]}" && break; sleep 0.1; done
  rects=$(tw_driver rects "${W[@]}")
  e2e_expect "skin $i: frame" "$left,$top,$right,$bottom" "$(field frame "$rects")"
  e2e_expect "skin $i: client" 538x433 "$(field client "$rects" | sed 's/^[-0-9]*,[-0-9]*,//')"
  sleep 0.3
  e2e_expect "skin $i: system colours in the frame" 0 "$(frame_signature_pixels "$(e2e_shot "main-skin$i")" "$rects")"
  # A message box over it: the empty output folder is refused.
  tw_driver settext "${W[@]}" --cclass TEdit "" >/dev/null
  tw_driver click "${W[@]}" --text 立即转换 >/dev/null
  for _ in $(seq 50); do skin_query_is --app TFrmMain --class '#32770' && break; sleep 0.1; done
  box=$(tw_driver rects --app TFrmMain --class '#32770')
  sleep 0.3
  e2e_expect "skin $i: system colours in the message box's frame" 0 \
    "$(frame_signature_pixels "$(e2e_shot "main-skin$i-message-box")" "$box")"
  tw_driver press --app TFrmMain '#1' >/dev/null
  e2e_close "${W[@]}"
  e2e_expect "skin $i: exit code" 0 "$E2E_RC"
done
e2e_pass
