#!/usr/bin/env bash
# The gallery's menu form under Wine with real keys and mouse, under each of the five skins: Alt
# opens the first menu of the skinned bar, Left and Right move across, pass over the disabled Tools
# at the end as they wrap, Alt+letter (Alt held down or released first) opens that menu, the mouse moving along the band switches menus with one popup open at a time, a
# choice arrives once as its command, so does a shortcut, Alt+Space shows one skinned system menu,
# a disabled item's click does nothing, Escape closes, and
# the context menu opens on a right click, Shift+F10 and the menu key. Every popup answers the skin
# query with 1 while open; band and popups show no pixel in the bench's signature colours. The
# form logs "popup X", "select X" and "command X" lines, which the checks read. Then the object
# counts over 200 menu openings stay flat, and a run that leaks on purpose is caught.
# usage: tests/controls/menubar_e2e.sh <build>/bin/SkinGallery.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

GALLERY=${1:?usage: menubar_e2e.sh SkinGallery.exe}
e2e_init menubar "$GALLERY"
F=(--class TFrmGalleryMenu)
LOG=$E2E_OUT/program.log
SHOTS=$TW_BUILD/screenshots/menubar
rm -rf "$SHOTS"
mkdir -p "$SHOTS"
e2e_on_exit() { cp "$E2E_OUT"/*.png "$SHOTS"/ 2>/dev/null || true; }

# lines LINE: how many whole lines of the log are LINE.
lines() { grep -cxF -- "$1" "$LOG" 2>/dev/null || true; }
# wait_lines LINE N: waits up to 10 s for the log to hold LINE N times, then checks it is exactly N.
wait_lines() {
  local i
  for i in $(seq 100); do
    [ "$(lines "$1")" -ge "$2" ] && break
    sleep 0.1
  done
  e2e_expect "$SKIN: \"$1\" lines" "$2" "$(lines "$1")"
}
# popups: the visible popup menu windows of the program, one handle a line.
popups() { tw_driver list --app TFrmGalleryMenu --class '#32768' 2>/dev/null | cut -d' ' -f1 || true; }
popup_count() { popups | grep -c . || true; }
wait_popups() {
  local i
  for i in $(seq 50); do
    [ "$(popup_count)" = "$1" ] && break
    sleep 0.1
  done
  e2e_expect "$SKIN: $2: popups open" "$1" "$(popup_count)"
}
# all_popups_skinned WHAT: every open popup answers the skin query with 1.
all_popups_skinned() {
  local h answer i
  for h in $(popups); do
    for i in $(seq 30); do
      answer=$(tw_driver send --hwnd "$h" $SKM_QUERY 2>/dev/null | cut -d' ' -f1)
      [ "$answer" = 1 ] && break
      sleep 0.1
    done
    e2e_expect "$SKIN: $1: popup $h skinned" 1 "$answer"
  done
}
# popup_rect: "x y w h" of the first open popup.
popup_rect() {
  tw_driver rects --hwnd "$(popups | head -1)" |
    sed 's/.*window=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/'
}
# hover_to CAPTION: moves the mouse down the middle of the newest popup until the log says that
# item is selected; leaves the mouse there.
hover_to() {
  local px py pw ph y before popup="" i
  # The program logs a popup when it is filled, a moment before its window shows.
  for i in $(seq 50); do
    popup=$(popups | tail -1)
    [ -n "$popup" ] && break
    sleep 0.1
  done
  [ -n "$popup" ] || e2e_fail "$SKIN: no popup shows to look for \"$1\" in"
  read -r px py pw ph < <(tw_driver rects --hwnd "$popup" |
    sed 's/.*window=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/') ||
    e2e_fail "$SKIN: cannot read where popup $popup is"
  before=$(lines "select $1")
  for ((y = py + 2; y < py + ph - 2; y += 3)); do
    xdotool mousemove --sync $((px + pw / 2)) $y
    sleep 0.05
    [ "$(lines "select $1")" -gt "$before" ] && return 0
  done
  e2e_fail "$SKIN: no item \"$1\" under the mouse in the popup at $px,$py ${pw}x$ph"
}
# no_signature WHAT AREA SHOT: the area of the screenshot shows no signature colour.
no_signature() {
  e2e_expect "$SKIN: $1: signature pixels" 0 "$(tw_signature_pixels "$3" "$2")"
}

for s in 0 1 2 3 4; do
  SKIN="skin $s"
  : >"$LOG"
  e2e_start --form menu --skin $s
  tw_driver wait "${F[@]}" --timeout 30000 >/dev/null || e2e_fail "no menu form"
  for i in $(seq 50); do
    [ "$(tw_driver send "${F[@]}" $SKM_QUERY 2>/dev/null | cut -d' ' -f1)" = 1 ] && break
    sleep 0.1
  done
  sleep 0.7
  tw_driver activate "${F[@]}" >/dev/null 2>&1 || true
  read -r wx wy ww wh cx cy cw ch < <(tw_driver rects "${F[@]}" | sed \
    's/.*window=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*client=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4 \5 \6 \7 \8/')
  band_y=$((cy - 10))  # a row through the middle of the menu band, which ends where the client begins
  xdotool mousemove --sync $((cx + cw / 2)) $((cy + ch - 20))

  # Alt alone: the first menu, its popup and the band drawn from the skin.
  xdotool key alt
  wait_lines "popup File" 1
  wait_popups 1 "Alt"
  all_popups_skinned "File"
  sleep 0.4
  shot=$(e2e_shot "file-skin$s")
  no_signature "band" "${cw}x14+$cx+$((cy - 16))" "$shot"
  read -r px py pw ph < <(popup_rect)
  no_signature "File popup" "${pw}x${ph}+$px+$py" "$shot"

  # Right across the bar and round, Left back over the wrap.
  for name in Edit View Help; do
    xdotool key Right
    wait_lines "popup $name" 1
    wait_popups 1 "Right to $name"
    all_popups_skinned "$name"
  done
  xdotool key Right
  wait_lines "popup File" 2
  xdotool key Left
  wait_lines "popup Help" 2
  wait_popups 1 "Left over the wrap"
  xdotool key Escape
  wait_popups 0 "Escape"

  # Alt+letter opens that menu: Alt held down while the letter goes, and Alt released first.
  xdotool key alt+v
  wait_lines "popup View" 2
  wait_popups 1 "Alt+V"
  xdotool key Escape
  wait_popups 0 "Escape after Alt+V"
  xdotool keydown alt key h keyup alt
  wait_lines "popup Help" 3
  wait_popups 1 "Alt held, then H"
  xdotool key Escape
  wait_popups 0 "Escape after Alt held and H"

  # The mouse along the band switches menus, one popup at a time.
  xdotool key alt+f
  wait_lines "popup File" 3
  most=0
  for ((x = cx + 4; x < cx + cw / 2 + 60; x += 6)); do
    xdotool mousemove --sync $x $band_y
    sleep 0.06
    n=$(popup_count)
    [ "$n" -gt "$most" ] && most=$n
  done
  sleep 0.3
  e2e_expect "$SKIN: menus the mouse switched to" "2 3 4" "$(lines "popup Edit") $(lines "popup View") $(lines "popup Help")"
  e2e_expect "$SKIN: most popups open at once along the band" 1 "$most"
  shot=$(e2e_shot "help-by-mouse-skin$s")
  xdotool key Escape
  wait_popups 0 "Escape after the mouse"
  xdotool mousemove --sync $((cx + cw / 2)) $((cy + ch - 20))

  # A choice by key arrives once; one by the mouse too.
  xdotool key alt+f
  wait_lines "popup File" 4
  xdotool key Return
  wait_lines "command New" 1
  wait_popups 0 "Enter on New"
  xdotool key alt+e
  wait_lines "popup Edit" 3
  hover_to Copy
  xdotool click 1
  wait_lines "command Copy" 1
  wait_popups 0 "a click on Copy"

  # A shortcut runs its item without a menu; one held by no item runs nothing.
  xdotool key ctrl+n
  wait_lines "command New" 2
  xdotool key F5 ctrl+q
  wait_lines "command Details" 1
  e2e_expect "$SKIN: popups after shortcuts" 0 "$(popup_count)"

  # Alt+Space: the skinned system menu, once; after Escape no second one follows.
  xdotool key alt+space
  wait_popups 1 "Alt+Space"
  all_popups_skinned "system menu"
  xdotool key Escape
  sleep 0.7
  e2e_expect "$SKIN: popups after the system menu" 0 "$(popup_count)"

  # A disabled item's click does nothing; its submenu sibling opens skinned beside its parent.
  xdotool key alt+f
  wait_lines "popup File" 5
  hover_to Locked
  xdotool click 1
  sleep 0.7
  e2e_expect "$SKIN: commands of the disabled item" 0 "$(lines "command Locked")"
  hover_to Recent
  wait_popups 2 "Recent's submenu"
  [ "$(lines "popup Recent")" -ge 1 ] || e2e_fail "$SKIN: Recent's submenu opened without its popup line"
  all_popups_skinned "Recent"
  sleep 0.3
  shot=$(e2e_shot "recent-skin$s")
  xdotool key Escape Escape
  wait_popups 0 "Escape twice"

  # The context menu: a right click on the panel, then Shift+F10 and the menu key on the button.
  read -r nx ny nw nh < <(tw_driver tree "${F[@]}" |
    sed -n 's/.* TPanel .*visible=1 .*screen=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/p' | head -1)
  [ -n "${nx:-}" ] || e2e_fail "no panel"
  xdotool mousemove --sync $((nx + nw / 2)) $((ny + nh / 2)) click 3
  wait_lines "popup context" 1
  wait_popups 1 "right click"
  all_popups_skinned "context"
  sleep 0.4
  shot=$(e2e_shot "context-skin$s")
  read -r px py pw ph < <(popup_rect)
  no_signature "context popup" "${pw}x${ph}+$px+$py" "$shot"
  hover_to Refresh
  xdotool click 1
  wait_lines "command Refresh" 1
  wait_popups 0 "a click on Refresh"
  read -r bx by bw bh < <(tw_driver tree "${F[@]}" |
    sed -n 's/.* TButton .*visible=1 .*screen=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/p' | head -1)
  xdotool mousemove --sync $((bx + bw / 2)) $((by + bh / 2)) click 1
  xdotool mousemove --sync $((cx + cw / 2)) $((cy + ch - 20))
  xdotool key shift+F10
  wait_lines "popup context" 2
  wait_popups 1 "Shift+F10"
  xdotool key Escape
  wait_popups 0 "Escape after Shift+F10"
  xdotool key Menu
  wait_lines "popup context" 3
  xdotool key Escape
  wait_popups 0 "Escape after the menu key"

  # The disabled Tools was passed over by the keys and the mouse and never opened.
  e2e_expect "$SKIN: popups of the disabled Tools" 0 "$(lines "popup Tools")"

  # Every command came once only, and none that was not chosen.
  e2e_expect "$SKIN: commands in all" 5 "$(grep -c '^command ' "$LOG" || true)"

  # A choice that closes the form: the program ends cleanly.
  xdotool key alt+f
  wait_lines "popup File" 6
  xdotool key c
  for i in $(seq 150); do kill -0 "$TW_APP_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$TW_APP_PID" 2>/dev/null && e2e_fail "$SKIN: Close form left the program running"
  set +e; wait "$TW_APP_PID"; rc=$?; set -e
  TW_APP_PID=""
  e2e_expect "$SKIN: exit code after Close form" 0 "$rc"
  e2e_expect "$SKIN: Close form chosen" 1 "$(lines "command Close form")"
  if grep -qiE 'error|exception|SkinGallery:' "$LOG"; then e2e_fail "$SKIN: the log has an error"; fi
  cp "$LOG" "$E2E_OUT/program-skin$s.log"
  echo "ok: $SKIN done"
done

# run_count ARGS...: the gallery run to its end; its exit code in rc, its output in the log.
run_count() {
  : >"$LOG"
  e2e_start "$@"
  for i in $(seq 1800); do kill -0 "$TW_APP_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$TW_APP_PID" 2>/dev/null && e2e_fail "the count run $* did not end"
  set +e; wait "$TW_APP_PID"; rc=$?; set -e
  TW_APP_PID=""
  cat "$LOG"
}
run_count --form menu --count-menus 40
e2e_expect "40 rounds: exit code" 0 "$rc"
e2e_expect "40 rounds: openings" 1 "$(grep -c '^before 200 menu openings' "$LOG" || true)"
export TW_GALLERY_MENU_LEAK=1
run_count --form menu --count-menus 3
unset TW_GALLERY_MENU_LEAK
e2e_expect "a leak on purpose: exit code" 1 "$rc"
grep -q '^counts differ: brush' "$LOG" || e2e_fail "the leak on purpose was not seen as brushes"
echo "menubar: screenshots in $SHOTS"
e2e_pass
