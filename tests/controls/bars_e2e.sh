#!/usr/bin/env bash
# Scroll bar controls, track bars, a memo and a list box in the gallery's Bars page under Wine:
# under every built-in skin each of them answers the skin query and shows no pixel in the
# bench's signature colours; under the real mouse, under every skin too, the horizontal and the
# vertical scroll bar's thumbs and the horizontal track bar's thumb follow drags (their Position
# read back by name), and thumbs and arrows are lit under the mouse and pressed while held.
# usage: tests/controls/bars_e2e.sh <build>/bin/SkinGallery.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

e2e_init bars "${1:?usage: bars_e2e.sh SkinGallery.exe}"
G=(--class TFrmGallery)

prop() { tw_driver prop "${G[@]}" "$1"; }
# controls: "HANDLE CLASS WxH+X+Y" of every visible control of the page's four kinds.
controls() {
  tw_driver tree "${G[@]}" | sed -n "s/^ *\(0x[0-9a-fA-F]*\) \(TScrollBar\|TTrackBar\|TMemo\|TListBox\) id=.* visible=1 .* screen=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \5x\6+\3+\4/p"
}
start() { gallery_start "$1" 4 10 controls; }

# bar CLASS h|v [ENABLED]: "W H X Y" of the enabled (or, with 0, disabled) control of that class
# lying (h) or standing (v), from the page's tree read once after the start.
bar() {
  sed -n "s/^ *0x[0-9a-fA-F]* $1 id=.* visible=1 enabled=${3:-1} .* screen=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\3 \4 \1 \2/p" <<<"$tree" |
    awk -v way="$2" '(way == "h") == ($1 > $2) { print; exit }'
}
crop() { convert "$1" -crop "$2" +repage "$3"; }
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
# scroll_thumb LENGTH POSITION: the middle of a scroll bar control's thumb along its axis, for
# the page's range 0..100 with a page of 10 and arrows as long as the bar is thick (17).
scroll_thumb() { echo $((17 + ($1 - 34) * $2 / 100 + ($1 - 34) * 9 / 200)); }
# band FILE OUT h|v W H X Y AT: the strip across a bar, 6 pixels along it, AT pixels along.
band() {
  if [ "$3" = h ]; then crop "$1" "6x$(($5 - 6))+$(($6 + $8 - 3))+$(($7 + 3))" "$2"
  else crop "$1" "$(($4 - 6))x6+$(($6 + 3))+$(($7 + $8 - 3))" "$2"; fi
}
# thumbs_in_their_bars SHOT WAY ENABLED-NAME DISABLED-NAME: the enabled bar shows its thumb where
# its position puts it; the disabled one beside it shows none, neither there nor at its own.
thumbs_in_their_bars() {
  local shot=$1 way=$2 on off length at own w h x y
  read -r w h x y < <(bar TScrollBar "$way")
  length=$w
  [ "$way" = v ] && length=$h
  at=$(scroll_thumb "$length" "$(prop "$3.Position")")
  own=$(scroll_thumb "$length" "$(prop "$4.Position")")
  band "$shot" "$E2E_OUT/band-on-thumb.png" "$way" "$w" "$h" "$x" "$y" "$at"
  band "$shot" "$E2E_OUT/band-on-track.png" "$way" "$w" "$h" "$x" "$y" "$((length - 23))"
  on=$(differing "$E2E_OUT/band-on-thumb.png" "$E2E_OUT/band-on-track.png")
  [ "$on" -gt 10 ] || e2e_fail "skin $s: no thumb in $3 where its position puts it ($on pixels differ from its track)"
  read -r w h x y < <(bar TScrollBar "$way" 0)
  band "$shot" "$E2E_OUT/band-off-track.png" "$way" "$w" "$h" "$x" "$y" "$((length - 23))"
  band "$shot" "$E2E_OUT/band-off-beside.png" "$way" "$w" "$h" "$x" "$y" "$at"
  band "$shot" "$E2E_OUT/band-off-own.png" "$way" "$w" "$h" "$x" "$y" "$own"
  off=$(differing "$E2E_OUT/band-off-beside.png" "$E2E_OUT/band-off-track.png")
  [ "$off" = 0 ] || e2e_fail "skin $s: the disabled $4 shows a thumb beside $3's ($off pixels differ from its track)"
  off=$(differing "$E2E_OUT/band-off-own.png" "$E2E_OUT/band-off-track.png")
  [ "$off" = 0 ] || e2e_fail "skin $s: the disabled $4 shows a thumb ($off pixels differ from its track)"
  echo "ok: skin $s: $3's thumb lies in its own bar, $4 shows none"
}

# drag X Y DX DY: presses at X,Y and moves four steps of DX,DY.
drag() {
  local step
  xdotool mousemove "$1" "$2"
  sleep 0.3
  xdotool mousedown 1
  for step in 1 2 3 4; do
    xdotool mousemove --sync "$(($1 + step * $3))" "$(($2 + step * $4))"
    sleep 0.2
  done
}
# release: lets the button go where the pointer is.
release() { xdotool mouseup 1; sleep 0.5; }
# hover X Y: the pointer to X,Y, and time for the look to follow. (No waiting for the pointer to
# move: where it is at X,Y already, that wait would run its full time.)
hover() { xdotool mousemove "$1" "$2"; sleep 0.5; }
# Away from every bar: the bare page below the horizontal scroll bars.
rest() { xdotool mousemove "$rest_x" "$rest_y"; sleep 0.8; }

# mouse_checks SHOT: the real mouse on the page SHOT shows with the mouse at rest: the enabled
# horizontal and vertical scroll bars and the enabled horizontal track bar follow drags of their
# thumbs; the scroll bar's thumb and arrow are lit under the mouse and the arrow pressed while
# held; a disabled bar's arrow is greyed and stays so under the mouse; the track bar's thumb is
# lit under the mouse.
mouse_checks() {
  local shot=$1
  local w h x y before after tx ty lit thumb_box arrow_box arrow_off_box hot
  read -r w h x y < <(bar TScrollBar h)
  before=$(prop sbrHorz.Position)
  tx=$((x + $(scroll_thumb "$w" "$before"))) ty=$((y + h / 2))
  hover "$tx" "$ty"
  hot=$(e2e_shot "skin$s-thumb-hot")
  thumb_box="16x$((h - 4))+$((tx - 8))+$((y + 2))"
  crop "$shot" "$thumb_box" "$E2E_OUT/skin$s-thumb-normal.png"
  crop "$hot" "$thumb_box" "$E2E_OUT/skin$s-thumb-hot.png"
  lit=$(differing "$E2E_OUT/skin$s-thumb-normal.png" "$E2E_OUT/skin$s-thumb-hot.png")
  [ "$lit" -gt 20 ] || e2e_fail "skin $s: the scroll bar's thumb under the mouse looks as it does without it ($lit pixels differ)"
  echo "ok: skin $s: the scroll bar's thumb is lit under the mouse ($lit pixels)"
  drag "$tx" "$ty" "$(((w - 34) / 10))" 0
  e2e_shot "skin$s-scroll-during-drag" >/dev/null
  release
  after=$(prop sbrHorz.Position)
  [ "$after" -gt "$((before + 20))" ] || e2e_fail "skin $s: dragging the horizontal scroll bar's thumb moved it from $before to $after only"
  echo "ok: skin $s: the horizontal scroll bar's thumb followed a drag from $before to $after"
  rest
  tw_xclick "$((x + w - h / 2))" "$ty"
  sleep 0.4
  e2e_expect "skin $s: a click on the right arrow steps once" "$((after + 1))" "$(prop sbrHorz.Position)"
  # The right arrow: normal, lit under the mouse, pressed while held (it repeats meanwhile).
  arrow_box="$((h - 6))x$((h - 6))+$((x + w - h + 3))+$((y + 3))"
  crop "$shot" "$arrow_box" "$E2E_OUT/skin$s-arrow-normal.png"
  hover "$((x + w - h / 2))" "$ty"
  crop "$(e2e_shot "skin$s-arrow-hot")" "$arrow_box" "$E2E_OUT/skin$s-arrow-hot.png"
  xdotool mousedown 1
  crop "$(e2e_shot "skin$s-arrow-pressed")" "$arrow_box" "$E2E_OUT/skin$s-arrow-pressed.png"
  release
  lit=$(differing "$E2E_OUT/skin$s-arrow-normal.png" "$E2E_OUT/skin$s-arrow-hot.png")
  [ "$lit" -gt 10 ] || e2e_fail "skin $s: the arrow under the mouse looks as it does without it ($lit pixels differ)"
  lit=$(differing "$E2E_OUT/skin$s-arrow-hot.png" "$E2E_OUT/skin$s-arrow-pressed.png")
  [ "$lit" -gt 10 ] || e2e_fail "skin $s: the arrow held down looks as it does under the mouse ($lit pixels differ)"
  echo "ok: skin $s: the arrow is lit under the mouse and pressed while held"
  # The disabled bar's right arrow: greyed, and unlit under the mouse.
  read -r w h x y < <(bar TScrollBar h 0)
  arrow_off_box="$((h - 6))x$((h - 6))+$((x + w - h + 3))+$((y + 3))"
  crop "$shot" "$arrow_off_box" "$E2E_OUT/skin$s-arrow-off.png"
  hover "$((x + w - h / 2))" "$((y + h / 2))"
  crop "$(e2e_shot "skin$s-arrow-off-hovered")" "$arrow_off_box" "$E2E_OUT/skin$s-arrow-off-hovered.png"
  lit=$(differing "$E2E_OUT/skin$s-arrow-normal.png" "$E2E_OUT/skin$s-arrow-off.png")
  [ "$lit" -gt 10 ] || e2e_fail "skin $s: the disabled bar's arrow looks like an enabled one ($lit pixels differ)"
  lit=$(differing "$E2E_OUT/skin$s-arrow-off.png" "$E2E_OUT/skin$s-arrow-off-hovered.png")
  [ "$lit" = 0 ] || e2e_fail "skin $s: the disabled bar's arrow is lit under the mouse ($lit pixels differ)"
  echo "ok: skin $s: the disabled bar's arrow is greyed and stays so under the mouse"

  read -r w h x y < <(bar TScrollBar v)
  before=$(prop sbrVert.Position)
  tx=$((x + w / 2)) ty=$((y + $(scroll_thumb "$h" "$before")))
  drag "$tx" "$ty" 0 "$(((h - 34) / 10))"
  release
  after=$(prop sbrVert.Position)
  [ "$after" -gt "$((before + 20))" ] || e2e_fail "skin $s: dragging the vertical scroll bar's thumb moved it from $before to $after only"
  echo "ok: skin $s: the vertical scroll bar's thumb followed a drag from $before to $after"

  read -r w h x y < <(bar TTrackBar h)
  before=$(prop trkHorz.Position)
  # The thumb of position 4 of 0..20 lies about a fifth along the bar (the channel is inset a little).
  tx=$((x + 12 + (w - 24) * before / 20)) ty=$((y + 12))
  hover "$tx" "$ty"
  hot=$(e2e_shot "skin$s-track-hot")
  thumb_box="6x10+$((tx - 3))+$((ty - 5))"
  crop "$shot" "$thumb_box" "$E2E_OUT/skin$s-track-thumb-normal.png"
  crop "$hot" "$thumb_box" "$E2E_OUT/skin$s-track-thumb-hot.png"
  lit=$(differing "$E2E_OUT/skin$s-track-thumb-normal.png" "$E2E_OUT/skin$s-track-thumb-hot.png")
  [ "$lit" -gt 10 ] || e2e_fail "skin $s: the track bar's thumb under the mouse looks as it does without it ($lit pixels differ)"
  echo "ok: skin $s: the track bar's thumb is lit under the mouse ($lit pixels)"
  drag "$tx" "$ty" "$(((w - 24) / 8))" 0
  e2e_shot "skin$s-track-during-drag" >/dev/null
  release
  after=$(prop trkHorz.Position)
  [ "$after" -gt "$((before + 4))" ] || e2e_fail "skin $s: dragging the track bar's thumb moved it from $before to $after only"
  echo "ok: skin $s: the track bar's thumb followed a drag from $before to $after"

}

for s in 0 1 2 3 4; do
  start "$s"
  tree=$(tw_driver tree "${G[@]}")
  read -r w h x y < <(bar TScrollBar h)
  [ -n "${y:-}" ] || e2e_fail "skin $s: no enabled horizontal scroll bar"
  rest_x=$((x + 100)) rest_y=$((y + 80))
  rest
  shot=$(e2e_shot "bars-skin$s")
  # The tree is read again while the page is still being laid out.
  list=$(controls)
  for i in 1 2 3 4 5; do
    [ "$(grep -c . <<<"$list")" -ge 10 ] && break
    sleep 0.5
    list=$(controls)
  done
  expect_skinned_controls "$s" "$shot" 10 bars <<<"$list"
  thumbs_in_their_bars "$shot" h sbrHorz sbrHorzOff
  thumbs_in_their_bars "$shot" v sbrVert sbrVertOff
  echo "ok: skin $s: $SKINNED bars, memo and list skinned, no system colours"
  mouse_checks "$shot"
  e2e_close "${G[@]}"
  e2e_expect "gallery under skin $s: exit code" 0 "$E2E_RC"
done

mkdir -p "$TW_BUILD/screenshots/bars"
cp "$E2E_OUT"/*.png "$TW_BUILD/screenshots/bars/"
echo "bars: screenshots in $E2E_OUT and $TW_BUILD/screenshots/bars"
e2e_pass
