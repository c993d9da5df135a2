#!/usr/bin/env bash
# The skin menu of the real program: Alt+Space opens the system menu, its last entry "皮肤" lists
# the five built-in skins, and choosing one by the keyboard re-skins the main window at once (its
# frame becomes that skin's) and the open dialog shown next; every other skin chosen through the
# same system command re-skins it too; the choice is not remembered after exit.
# usage: tests/app/skin_menu.sh <build>/bin/Tarnwick.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

e2e_init skin-menu "${1:?usage: skin_menu.sh Tarnwick.exe}"
W=(--class TFrmMain)
D=(--app TFrmMain --class '#32770')
SKIN_COMMAND=0x7100  # the first entry's system command; entries step by 0x10
field() { sed "s/.* $1=\([^ ]*\).*/\1/" <<<" $2"; }
frame_is() {  # SKIN SELECTORS...: waits until the window's frame is that skin's
  local skin=$1 want got=""
  shift
  read -r l t r b _ < <(skin_frame_of "$skin")
  want="$l,$t,$r,$b"
  for _ in $(seq 50); do
    got=$(field frame "$(tw_driver rects "$@")")
    [ "$got" = "$want" ] && return 0
    sleep 0.1
  done
  echo "frame $got, skin $skin has $want" >&2
  return 1
}

e2e_start
tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear"
frame_is 2 "${W[@]}" || e2e_fail "the program did not start with its start-up skin"
sleep 0.5
read -r wx wy _ < <(tw_driver rects "${W[@]}" | sed 's/window=\([-0-9]*\),\([-0-9]*\),.*/\1 \2/')
xdotool mousemove --sync $((wx + 200)) $((wy + 12)) click 1
tw_xkeys alt+space
sleep 0.8
e2e_shot system-menu >/dev/null
# The last entry opens the list; the first skin is highlighted, the fourth (Walnut) is chosen.
tw_xkeys Up Right
sleep 0.5
e2e_shot skin-list >/dev/null
tw_xkeys Down Down Down Return
frame_is 3 "${W[@]}" || e2e_fail "the skin chosen from the menu did not re-skin the main window"
echo "ok: the fourth entry chosen by the keyboard gave the main window the fourth skin"
tw_driver click "${W[@]}" --text 新增 >/dev/null
for _ in $(seq 100); do [ "$(tw_driver send "${D[@]}" $SKM_QUERY 2>/dev/null | cut -d' ' -f1)" = 1 ] && break; sleep 0.1; done
frame_is 3 "${D[@]}" || e2e_fail "the open dialog did not come up in the chosen skin"
e2e_shot open-dialog-walnut >/dev/null
tw_driver press "${D[@]}" '#2' >/dev/null
echo "ok: the open dialog came up in the chosen skin"
for skin in 0 1 4 2; do
  tw_driver send "${W[@]}" 0x0112 $((SKIN_COMMAND + 16 * skin)) >/dev/null
  frame_is $skin "${W[@]}" || e2e_fail "the system command of entry $skin did not re-skin the main window"
  echo "ok: entry $skin re-skins the main window"
done
e2e_close "${W[@]}"
e2e_expect "exit code" 0 "$E2E_RC"
# A new start begins with the start-up skin again.
e2e_start
tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear again"
tw_driver send "${W[@]}" 0x0112 $((SKIN_COMMAND + 16 * 0)) >/dev/null
frame_is 0 "${W[@]}" || e2e_fail "no switch on the second start"
e2e_close "${W[@]}"
e2e_start
tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear a third time"
frame_is 2 "${W[@]}" || e2e_fail "the choice of the last run was remembered"
echo "ok: nothing of the choice is kept after exit"
e2e_close "${W[@]}"
e2e_expect "exit code" 0 "$E2E_RC"
e2e_pass
