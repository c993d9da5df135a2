#!/usr/bin/env bash
# The skinned title bar of the real main window under the real mouse (xdotool on the bench's
# display), with the start-up skin: hovering the close button shows its hot cell and leaving
# brings the normal one back; pressing shows the pressed cell; press, move out and release does
# nothing; the title hit-tests as caption; dragging the title moves the window; a click on the
# icon, a right click on the caption and Alt+Space each open one system menu (Escape closes it);
# the minimise button minimises; the close button ends the program with exit code 0 and leaves
# no window behind.
# usage: tests/app/caption_buttons.sh <build>/bin/Tarnwick.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

e2e_init caption-buttons "${1:?usage: caption_buttons.sh Tarnwick.exe}"
W=(--class TFrmMain)
SKIN=2
INI=$TW_BUILD/skins/SkinItem$SKIN/skin.ini
field() { sed "s/.* $1=\([^ ]*\).*/\1/" <<<" $2"; }
# key SECTION KEY: a value of the start-up skin's description.
key() { awk -v s="[$1]" -v k="$2" -F= '{ sub(/\r$/, "") } /^\[/ { on = ($0 == s) } on && $1 == k { print $2; exit }' "$INI"; }
# button SECTION: "left top width height" of that caption button, in window coordinates (an
# Align 1 button's Xcoord counts from the window's right edge).
button() {
  local image width height frames
  image=$TW_BUILD/skins/SkinItem$SKIN/$(key "$1" ButtonImage)
  width=$(identify -format '%w' "$image")
  height=$(identify -format '%h' "$image")
  frames=$(key "$1" frame)
  echo "$((win_w - $(key "$1" Xcoord))) $(key "$1" Ycoord) $((width / frames)) $height"
}
window_rect() { read -r win_x win_y win_w win_h < <(field window "$(tw_driver rects "${W[@]}")" | tr ',x' '  '); }
# crop NAME L T W H: that area of the window (window coordinates) from a new screenshot.
crop() {
  local shot
  shot=$(e2e_shot "$1")
  convert "$shot" -crop "$4x$5+$((win_x + $2))+$((win_y + $3))" +repage "$E2E_OUT/$1-crop.png"
  echo "$E2E_OUT/$1-crop.png"
}
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
settled() {
  local i
  for i in $(seq 50); do "$@" && return 0; sleep 0.1; done
  return 1
}
menu_open() { tw_driver list --class '#32768' --timeout 0 2>/dev/null | grep -q .; }
menu_count() { tw_driver list --class '#32768' --timeout 0 2>/dev/null | grep -c . || true; }

e2e_start
tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear"
settled eval '[ "$(tw_driver send "${W[@]}" $SKM_QUERY 2>/dev/null | cut -d" " -f1)" = 1 ]' ||
  e2e_fail "the main window was not skinned"
sleep 0.5
window_rect
read -r close_l close_t close_w close_h < <(button ButtonClose)
# The main window has a minimise box but no maximise box: the lone minimise button shows.
read -r min_l min_t min_w min_h < <(button ButtonMinimizeAlone)
icon_l=$(key ButtonSysMenu Xcoord)
icon_t=$(key ButtonSysMenu Ycoord)
title_h=$(field frame "$(tw_driver rects "${W[@]}")" | cut -d, -f2)
at() { echo "$((win_x + $1)) $((win_y + $2))"; }
client_mid=$(at $((win_w / 2)) $((title_h + 200)))

e2e_expect "hit test on the close button" HTCAPTION \
  "$(tw_driver hittest "${W[@]}" "$((close_l + close_w / 2)),$((close_t + close_h / 2))" | cut -d' ' -f1)"

# Normal, hot, back to normal when the mouse goes.
xdotool mousemove --sync $client_mid
sleep 0.4
normal=$(crop normal $close_l $close_t $close_w $close_h)
xdotool mousemove --sync $(at $((close_l + close_w / 2)) $((close_t + close_h / 2)))
sleep 0.3
hot=$(crop hot $close_l $close_t $close_w $close_h)
n=$(differing "$normal" "$hot")
echo "hot cell: $n pixels differ from the normal one"
[ "$n" -gt 0 ] || e2e_fail "hovering the close button changed nothing"
xdotool mousemove --sync $client_mid
sleep 0.6
e2e_expect "pixels differing from the normal cell after the mouse left" 0 \
  "$(differing "$normal" "$(crop left $close_l $close_t $close_w $close_h)")"

# Pressed, moved out, released: the pressed cell, then nothing.
xdotool mousemove --sync $(at $((close_l + close_w / 2)) $((close_t + close_h / 2))) mousedown 1
sleep 0.3
pressed=$(crop pressed $close_l $close_t $close_w $close_h)
n=$(differing "$hot" "$pressed")
echo "pressed cell: $n pixels differ from the hot one"
[ "$n" -gt 0 ] || e2e_fail "pressing the close button showed no pressed cell"
xdotool mousemove --sync $(at $((win_w / 2)) $((title_h / 2)))
xdotool mousemove --sync $client_mid mouseup 1
sleep 0.6
tw_driver wait "${W[@]}" --timeout 500 >/dev/null || e2e_fail "press, move out and release closed the window"
e2e_expect "pixels differing from the normal cell after the release outside" 0 \
  "$(differing "$normal" "$(crop released $close_l $close_t $close_w $close_h)")"

# Dragging the title moves the window.
x0=$win_x y0=$win_y
xdotool mousemove --sync $(at $((win_w / 2)) $((title_h / 2))) mousedown 1
for step in 1 2 3 4; do xdotool mousemove --sync $(at $((win_w / 2 + 15 * step)) $((title_h / 2 + 10 * step))); sleep 0.05; done
xdotool mouseup 1
sleep 0.5
window_rect
e2e_expect "window moved by the drag" "60,40" "$((win_x - x0)),$((win_y - y0))"

# The icon and Alt+Space open the system menu, one menu each time; Escape closes it.
xdotool mousemove --sync $(at $((icon_l + 8)) $((icon_t + 8))) click 1
settled menu_open || e2e_fail "a click on the icon opened no system menu"
e2e_shot system-menu-icon >/dev/null
e2e_expect "menus open after a click on the icon" 1 "$(menu_count)"
tw_xkeys Escape
settled eval '! menu_open' || e2e_fail "Escape did not close the system menu"
xdotool mousemove --sync $(at $((win_w / 2)) $((title_h / 2))) click 3
settled menu_open || e2e_fail "a right click on the caption opened no system menu"
e2e_expect "menus open after a right click on the caption" 1 "$(menu_count)"
tw_xkeys Escape
settled eval '! menu_open' || e2e_fail "Escape did not close the system menu opened by the right click"
xdotool mousemove --sync $client_mid click 1
sleep 0.3
tw_xkeys alt+space
settled menu_open || e2e_fail "Alt+Space opened no system menu"
sleep 0.3
e2e_shot system-menu-keys >/dev/null
e2e_expect "menus open after Alt+Space" 1 "$(menu_count)"
tw_xkeys Escape
settled eval '! menu_open' || e2e_fail "Escape did not close the system menu opened by Alt+Space"
sleep 0.5
tw_driver wait "${W[@]}" --timeout 500 >/dev/null || e2e_fail "the main window went with the system menu"

# Minimise, then restore through the system command.
xdotool mousemove --sync $(at $((min_l + min_w / 2)) $((min_t + min_h / 2))) click 1
minimised() { [[ "$(field client "$(tw_driver rects "${W[@]}")")" == *x0 ]]; }
settled minimised || e2e_fail "the minimise button did not minimise: $(tw_driver rects "${W[@]}")"
echo "ok: minimised ($(tw_driver rects "${W[@]}"))"
tw_driver send "${W[@]}" 0x0112 0xF120 >/dev/null
settled eval '! minimised' || e2e_fail "the window did not come back"
sleep 0.5
window_rect
e2e_expect "client after restoring" 538x433 "$(field client "$(tw_driver rects "${W[@]}")" | sed 's/^[-0-9]*,[-0-9]*,//')"

# The close button ends the program.
xdotool mousemove --sync $(at $((close_l + close_w / 2)) $((close_t + close_h / 2))) click 1
for _ in $(seq 150); do kill -0 "$TW_APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$TW_APP_PID" 2>/dev/null && e2e_fail "the close button did not end the program within 15 s"
set +e
wait "$TW_APP_PID"
rc=$?
set -e
TW_APP_PID=""
e2e_expect "exit code" 0 "$rc"
e2e_expect "windows of the program left" 0 "$(tw_driver list "${W[@]}" --timeout 0 2>/dev/null | grep -c . || true)"
e2e_pass
