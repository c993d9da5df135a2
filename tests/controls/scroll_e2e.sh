#!/usr/bin/env bash
# Skinned scroll bars and header of the gallery's long list view under Wine. Under each built-in
# skin the list and its header answer the skin query with 1 and no pixel over the bars or the
# header has one of the bench's signature colours (the system's face, shadow, light and scroll
# bar colours). Under the real mouse: dragging the thumb scrolls the list while the skinned thumb
# moves, a click on the down arrow scrolls one row and on the up arrow one back, the right arrow
# scrolls sideways, and the header lights the column under the mouse and not once it leaves.
# The list's top row is read with list-view messages: scroll information cannot be read from
# another process.
# usage: tests/controls/scroll_e2e.sh <build>/bin/SkinGallery.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

e2e_init scroll "${1:?usage: scroll_e2e.sh SkinGallery.exe}"
G=(--class TFrmGallery)
LVM_GETTOPINDEX=0x1027

answer() { tw_driver send --hwnd "$1" "$2" 2>/dev/null | cut -d' ' -f1; }
# box_of CLASS: "WxH+X+Y" screen boxes of the gallery's windows of that class, one a line.
box_of() {
  tw_driver tree "${G[@]}" | sed -n "s/^ *0x[0-9a-fA-F]* $1 .* visible=1 .* screen=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\3x\4+\1+\2/p"
}
handle_of() { tw_driver tree "${G[@]}" | sed -n "s/^ *\(0x[0-9a-fA-F]*\) $1 .*/\1/p" | head -1; }
split() { sed 's/\([0-9]*\)x\([0-9]*\)+\([-0-9]*\)+\([-0-9]*\)/\1 \2 \3 \4/' <<<"$1"; }
crop() { convert "$1" -crop "$2" +repage "$3"; }
differs() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != 0 ]; }
# start SKIN: the gallery's controls page under that skin, its list and header skinned and both
# bars covered: sets LIST, HEADER, VBOX, HBOX, HEADERBOX.
start() {
  e2e_start --skin "$1" --page 1
  tw_driver wait "${G[@]}" --timeout 30000 >/dev/null || e2e_fail "no gallery under skin $1"
  local i boxes=""
  for i in $(seq 50); do
    LIST=$(handle_of 'TListView') HEADER=$(handle_of 'SysHeader32')
    boxes=$(box_of TarnwickScrollPanel)
    if [ -n "$LIST" ] && [ "$(answer "$LIST" $SKM_QUERY)" = 1 ] && [ "$(wc -l <<<"$boxes")" = 2 ]; then break; fi
    sleep 0.1
  done
  e2e_expect "skin $1: skin query of the list" 1 "$(answer "$LIST" $SKM_QUERY)"
  e2e_expect "skin $1: skin query of the list's header" 1 "$(answer "$HEADER" $SKM_QUERY)"
  e2e_expect "skin $1: scroll panels shown" 2 "$(wc -l <<<"$boxes")"
  local box w h
  VBOX="" HBOX=""
  while read -r box; do
    read -r w h _ _ < <(split "$box")
    if [ "$h" -gt "$w" ]; then VBOX=$box; else HBOX=$box; fi
  done <<<"$boxes"
  [ -n "$VBOX" ] && [ -n "$HBOX" ] || e2e_fail "skin $1: no vertical and horizontal panels ($boxes)"
  HEADERBOX=$(box_of SysHeader32 | head -1)
  sleep 0.5
}

# Every skin: no system colour over the bars, the corner between them or the header.
for i in 0 1 2 3 4; do
  start "$i"
  shot=$(e2e_shot "list-skin$i")
  read -r vw vh vx vy < <(split "$VBOX")
  read -r hw hh hx hy < <(split "$HBOX")
  for area in "$VBOX" "$HBOX" "$HEADERBOX" "${vw}x${hh}+${vx}+${hy}"; do
    e2e_expect "skin $i: signature pixels over $area" 0 "$(tw_signature_pixels "$shot" "$area")"
  done
  crop "$shot" "$((vx + vw - hx + 4))x$((hy + hh - ${HEADERBOX##*+} + 4))+$((hx - 2))+$((${HEADERBOX##*+} - 2))" \
    "$E2E_OUT/list-skin$i.png"
  echo "ok: skin $i: list and header skinned, no system colours over the bars and the header"
  e2e_close "${G[@]}"
  e2e_expect "gallery under skin $i: exit code" 0 "$E2E_RC"
done

# The real mouse under skin 2.
start 2
read -r vw vh vx vy < <(split "$VBOX")
read -r hw hh hx hy < <(split "$HBOX")
e2e_expect "top row at the start" 0 "$(answer "$LIST" $LVM_GETTOPINDEX)"
cx=$((vx + vw / 2))
xdotool mousemove --sync "$((vx - 200))" "$((vy + vh / 2))"
sleep 0.8
crop "$(e2e_shot before-drag)" "$VBOX" "$E2E_OUT/bar-before-drag.png"

# The thumb starts right below the up arrow (as long as the bar is thick).
xdotool mousemove --sync "$cx" "$((vy + vw + 2))"
sleep 0.3
xdotool mousedown 1
sleep 0.3
for step in 1 2 3 4; do
  xdotool mousemove --sync "$cx" "$((vy + vw + 2 + step * (vh - 3 * vw) / 8))"
  sleep 0.2
done
sleep 0.3
crop "$(e2e_shot during-drag)" "$VBOX" "$E2E_OUT/bar-during-drag.png"
during=$(answer "$LIST" $LVM_GETTOPINDEX)
xdotool mouseup 1
sleep 0.5
dragged=$(answer "$LIST" $LVM_GETTOPINDEX)
[ "$during" -gt 0 ] || e2e_fail "dragging the thumb did not scroll while dragging (top row $during)"
[ "$dragged" -ge 50 ] || e2e_fail "dragging the thumb half way scrolled only to row $dragged"
differs "$E2E_OUT/bar-before-drag.png" "$E2E_OUT/bar-during-drag.png" || e2e_fail "the skinned thumb did not move"
echo "ok: dragging the thumb scrolled to row $dragged (row $during while dragging) and the thumb moved"

tw_xclick "$cx" "$((vy + vh - vw / 2))"
sleep 0.5
e2e_expect "top row after a click on the down arrow" "$((dragged + 1))" "$(answer "$LIST" $LVM_GETTOPINDEX)"
tw_xclick "$cx" "$((vy + vw / 2))"
sleep 0.5
e2e_expect "top row after a click on the up arrow" "$dragged" "$(answer "$LIST" $LVM_GETTOPINDEX)"
echo "ok: the arrows scroll one row each way"

read -r bw bh bx by < <(split "$HEADERBOX")
crop "$(e2e_shot header-before-scroll)" "$HEADERBOX" "$E2E_OUT/header-before-scroll.png"
tw_xclick "$((hx + hw - hh / 2))" "$((hy + hh / 2))"
sleep 0.3
tw_xclick "$((hx + hw - hh / 2))" "$((hy + hh / 2))"
sleep 0.5
crop "$(e2e_shot header-after-scroll)" "$HEADERBOX" "$E2E_OUT/header-after-scroll.png"
differs "$E2E_OUT/header-before-scroll.png" "$E2E_OUT/header-after-scroll.png" ||
  e2e_fail "the right arrow did not scroll the list sideways"
echo "ok: the right arrow scrolls the list sideways"
# Back to the left edge, so the columns stand where they were made.
for n in 1 2 3; do tw_xclick "$((hx + hh / 2))" "$((hy + hh / 2))"; sleep 0.2; done

# The header: the mouse away, then over the second column, then away again.
xdotool mousemove --sync "$((bx + 300))" "$((by - 40))"
sleep 1
crop "$(e2e_shot header-normal)" "$HEADERBOX" "$E2E_OUT/header-normal.png"
xdotool mousemove --sync "$((bx + 420 + 40))" "$((by + bh / 2))"
sleep 0.6
crop "$(e2e_shot header-hot)" "$HEADERBOX" "$E2E_OUT/header-hot.png"
differs "$E2E_OUT/header-normal.png" "$E2E_OUT/header-hot.png" || e2e_fail "the column under the mouse is not lit"
# Only the column under the mouse changes: the first column looks as before.
crop "$E2E_OUT/header-normal.png" "400x${bh}+0+0" "$E2E_OUT/header-normal-first.png"
crop "$E2E_OUT/header-hot.png" "400x${bh}+0+0" "$E2E_OUT/header-hot-first.png"
differs "$E2E_OUT/header-normal-first.png" "$E2E_OUT/header-hot-first.png" && e2e_fail "another column lit up too"
xdotool mousemove --sync "$((bx + 300))" "$((by - 40))"
sleep 1.2  # the leave comes late under Wine
crop "$(e2e_shot header-left)" "$HEADERBOX" "$E2E_OUT/header-left.png"
differs "$E2E_OUT/header-normal.png" "$E2E_OUT/header-left.png" && e2e_fail "the column stayed lit after the mouse left"
echo "ok: the header lights the column under the mouse and not once it leaves"

e2e_close "${G[@]}"
e2e_expect "gallery: exit code" 0 "$E2E_RC"
echo "scroll: screenshots in $E2E_OUT"
e2e_pass
