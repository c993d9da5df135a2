#!/usr/bin/env bash
# Skinned push buttons in the real programs under Wine. The gallery and the main window under
# each built-in skin, and a message box over each: every visible push button answers the skin
# query with 1 and none shows a pixel in the bench's signature colours (the system's face,
# shadow and light). Real mouse input on a gallery button: hovering shows the hot frame,
# pressing the pressed one, and press, move out, release gives no click; a real click does.
# usage: tests/controls/buttons_e2e.sh <build>/bin/SkinGallery.exe <build>/bin/Tarnwick.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

GALLERY=${1:?usage: buttons_e2e.sh SkinGallery.exe Tarnwick.exe}
MAIN=${2:?usage: buttons_e2e.sh SkinGallery.exe Tarnwick.exe}
e2e_init buttons "$MAIN"
GALLERY_APP=$(cd "$(dirname "$GALLERY")" && pwd)/$(basename "$GALLERY")
MAIN_APP=$E2E_APP
G=(--class TFrmGallery)
W=(--class TFrmMain)

query() { tw_driver send --hwnd "$1" $SKM_QUERY 2>/dev/null | cut -d' ' -f1; }
# wait_skinned SELECTORS...: up to 5 s for the window to answer the skin query with 1.
wait_skinned() {
  local i
  for i in $(seq 50); do
    [ "$(tw_driver send "$@" $SKM_QUERY 2>/dev/null | cut -d' ' -f1)" = 1 ] && return 0
    sleep 0.1
  done
  e2e_fail "no skinned window $*"
}
# push_buttons SELECTORS...: "HANDLE WxH+X+Y" of every visible push button under the window
# (a Button-based class whose type is a push or default push button).
push_buttons() {
  tw_driver tree "$@" | sed -n 's/^ *\(0x[0-9a-fA-F]*\) [^ ]*[Bb]utton[^ ]* id=.* style=\(0x[0-9a-f]*\) visible=1 .* screen=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \5x\6+\3+\4/p' |
    while read -r handle style box; do
      case $((style & 15)) in 0|1) echo "$handle $box" ;; esac
    done
}
# check_buttons WHAT SHOT SELECTORS...: every push button skinned, none in signature colours.
check_buttons() {
  local what=$1 shot=$2 handle box n count=0 buttons="" i
  shift 2
  # A box that has just shown may not list its buttons yet on a busy machine.
  for i in $(seq 30); do
    buttons=$(push_buttons "$@") && [ -n "$buttons" ] && break
    sleep 0.1
  done
  while read -r handle box; do
    [ -n "$handle" ] || continue
    e2e_expect "$what: skin query of button $handle" 1 "$(query "$handle")"
    n=$(tw_signature_pixels "$shot" "$box")
    e2e_expect "$what: signature pixels in button $handle ($box)" 0 "$n"
    count=$((count + 1))
  done <<<"$buttons"
  [ "$count" -gt 0 ] || e2e_fail "$what: no push buttons found"
  echo "ok: $what: $count push buttons skinned, no system colours"
}
# message_box_check WHAT APP-CLASS: the open message box of the program.
message_box_check() {
  wait_skinned --app "$2" --class '#32770'
  sleep 0.4
  check_buttons "$1" "$(e2e_shot "$1")" --app "$2" --class '#32770'
}
# crop SHOT BOX OUT: that area of a screenshot.
crop() { convert "$1" -crop "$2" +repage "$3"; }
differs() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != 0 ]; }

# The gallery under each skin, and its message box.
for i in 0 1 2 3 4; do
  E2E_APP=$GALLERY_APP
  e2e_start --skin "$i" --page 1
  tw_driver wait "${G[@]}" --timeout 30000 >/dev/null || e2e_fail "no gallery under skin $i"
  wait_skinned "${G[@]}"
  sleep 0.4
  check_buttons "gallery-skin$i" "$(e2e_shot "gallery-skin$i")" "${G[@]}"
  tw_driver click "${G[@]}" --text "Message box..."
  message_box_check "gallery-skin$i-message-box" TFrmGallery
  tw_driver msgbox --app TFrmGallery OK >/dev/null
  tw_driver gone --app TFrmGallery --class '#32770' --timeout 10000 || e2e_fail "the message box stayed"
  e2e_close "${G[@]}"
  e2e_expect "gallery under skin $i: exit code" 0 "$E2E_RC"
done

# Real mouse on the gallery's "Message box..." button.
E2E_APP=$GALLERY_APP
e2e_start --skin 2 --page 1
tw_driver wait "${G[@]}" --timeout 30000 >/dev/null || e2e_fail "no gallery"
wait_skinned "${G[@]}"
box=$(tw_driver tree "${G[@]}" | sed -n 's/.*"Message box\.\.\." .* screen=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\3x\4+\1+\2/p')
[ -n "$box" ] || e2e_fail "no Message box... button"
read -r bw bh bx by < <(sed 's/\([0-9]*\)x\([0-9]*\)+\([-0-9]*\)+\([-0-9]*\)/\1 \2 \3 \4/' <<<"$box")
cx=$((bx + bw / 2)); cy=$((by + bh / 2))
# Out of the button, over the form's own face (below the page's controls).
read -r ox oy < <(tw_driver rects "${G[@]}" | sed 's/.*client=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2/')
ox=$((ox + 5)); oy=$((oy + 5))
xdotool mousemove --sync "$ox" "$oy"
sleep 0.8
crop "$(e2e_shot mouse-normal)" "$box" "$E2E_OUT/button-normal.png"
xdotool mousemove --sync "$cx" "$cy"
sleep 0.5
crop "$(e2e_shot mouse-hot)" "$box" "$E2E_OUT/button-hot.png"
differs "$E2E_OUT/button-normal.png" "$E2E_OUT/button-hot.png" || e2e_fail "hovering shows no hot frame"
echo "ok: hovering the button shows its hot frame"
xdotool mousedown 1
sleep 0.4
crop "$(e2e_shot mouse-pressed)" "$box" "$E2E_OUT/button-pressed.png"
differs "$E2E_OUT/button-hot.png" "$E2E_OUT/button-pressed.png" || e2e_fail "pressing shows no pressed frame"
echo "ok: pressing the button shows its pressed frame"
xdotool mousemove --sync "$ox" "$oy"
sleep 1  # the leave may come late under Wine
crop "$(e2e_shot mouse-left)" "$box" "$E2E_OUT/button-left.png"
differs "$E2E_OUT/button-pressed.png" "$E2E_OUT/button-left.png" || e2e_fail "the pressed frame stayed after leaving"
xdotool mouseup 1
sleep 1
if tw_driver list --app TFrmGallery --class '#32770' 2>/dev/null | grep -q .; then
  e2e_fail "press, move out, release opened the message box"
fi
echo "ok: press, move out, release gives no click"
tw_xclick "$cx" "$cy"
wait_skinned --app TFrmGallery --class '#32770'
tw_driver msgbox --app TFrmGallery OK >/dev/null
echo "ok: a real click on the skinned button clicks it"
e2e_close "${G[@]}"

# The main window under each skin, and a message box over it (the empty output folder refused).
E2E_APP=$MAIN_APP
for i in 0 1 2 3 4; do
  export TARNWICK_STARTUP_SKIN=$i
  e2e_start
  unset TARNWICK_STARTUP_SKIN
  tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "no main window under skin $i"
  wait_skinned "${W[@]}"
  sleep 0.4
  check_buttons "main-skin$i" "$(e2e_shot "main-skin$i")" "${W[@]}"
  tw_driver settext "${W[@]}" --cclass TEdit "" >/dev/null
  tw_driver click "${W[@]}" --text 立即转换 >/dev/null
  message_box_check "main-skin$i-message-box" TFrmMain
  tw_driver press --app TFrmMain '#1' >/dev/null
  e2e_close "${W[@]}"
  e2e_expect "main window under skin $i: exit code" 0 "$E2E_RC"
done
echo "buttons: screenshots in $E2E_OUT"
e2e_pass
