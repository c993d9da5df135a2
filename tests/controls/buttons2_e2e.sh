#!/usr/bin/env bash
# The gallery's Buttons page under Wine, under each built-in skin: every windowed control of the
# page answers the skin query with 1 and no pixel of the page, windowless speed buttons and
# labels included, is in the bench's signature colours (the system's face, shadow and light).
# Real mouse input: a click on a speed button of a group moves "down"
# to it; the menu button drops its menu (a #32768 window) with no system colour in it under every
# skin and the chosen item arrives; the glyph
# buttons show their glyph's pixels. Screenshots into <build>/screenshots/buttons2.
# usage: tests/controls/buttons2_e2e.sh <build>/bin/SkinGallery.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"
e2e_init buttons2 "${1:?usage: buttons2_e2e.sh SkinGallery.exe}"
G=(--class TFrmGallery)
PAGE=6

prop() { tw_driver prop "${G[@]}" "$1" | tr -d '\r'; }
# box NAME: "WxH+X+Y" on the screen of a page control, from its published bounds.
box() {
  local l t w h
  l=$(prop "$1.Left"); t=$(prop "$1.Top"); w=$(prop "$1.Width"); h=$(prop "$1.Height")
  echo "${w}x${h}+$((PX + l))+$((PY + t))"
}
# centre BOX: "X Y" of the middle of a box.
centre() {
  local w h x y
  read -r w h x y < <(sed 's/\([0-9]*\)x\([0-9]*\)+\([-0-9]*\)+\([-0-9]*\)/\1 \2 \3 \4/' <<<"$1")
  echo "$((x + w / 2)) $((y + h / 2))"
}
# green_pixels SHOT BOX [COLOUR]: pixels of the gallery glyphs' green (or COLOUR) in that area.
green_pixels() {
  convert "$1" -crop "$2" +repage -fill black -opaque white -fuzz 8% -fill white -opaque "${3:-rgb(30,140,60)}" \
    -fuzz 0 -fill black +opaque white -colorspace Gray -format '%[fx:round(mean*w*h)]' info:
}
wait_prop() {  # wait_prop NAME.PROP VALUE: up to 5 s
  local i
  for i in $(seq 50); do [ "$(prop "$1")" = "$2" ] && return 0; sleep 0.1; done
  e2e_fail "$1 stayed $(prop "$1"), wanted $2"
}

mkdir -p "$TW_BUILD/screenshots/buttons2"
for s in 0 1 2 3 4; do
  e2e_start --skin "$s" --page $PAGE
  tw_driver wait "${G[@]}" --timeout 30000 >/dev/null || e2e_fail "no gallery under skin $s"
  sleep 2
  tree=$E2E_OUT/tree-skin$s.txt
  tw_driver tree "${G[@]}" >"$tree"
  # The page is the visible panel right under the form.
  PX=; PY=
  read -r PX PY < <(awk '/^  0x/ && $2 == "TPanel" && / visible=1 / { for (i = 1; i <= NF; i++) if ($i ~ /^screen=/) { split(substr($i, 8), p, /[,x]/); print p[1], p[2]; exit } }' "$tree") || true
  [ -n "${PX:-}" ] || e2e_fail "no page panel under skin $s"
  shot=$(e2e_shot "buttons-skin$s")
  # Every visible windowed control below the page panel (the panel's own line first) answers.
  count=0
  while read -r handle cls; do
    e2e_expect "skin $s: skin query of $cls $handle" 1 "$(tw_driver send --hwnd "$handle" $SKM_QUERY | cut -d' ' -f1)" >/dev/null
    count=$((count + 1))
  done < <(awk -v px="$PX" -v py="$PY" '
      / visible=1 / {
        for (i = 1; i <= NF; i++) if ($i ~ /^screen=/) { split(substr($i, 8), p, /[,x]/) }
        if (p[1] == px && p[2] == py && $2 == "TPanel") { inpage = 1; depth = match($0, /[^ ]/); next }
        if (inpage && match($0, /[^ ]/) <= depth) inpage = 0
        if (inpage) print $1, $2
      }' "$tree")
  [ "$count" -ge 20 ] || e2e_fail "skin $s: only $count windowed controls on the page"
  # The whole page, windowless speed buttons and labels with the windowed controls.
  read -r PW PH < <(awk '/^  0x/ && $2 == "TPanel" && / visible=1 / { for (i = 1; i <= NF; i++) if ($i ~ /^screen=/) { split(substr($i, 8), p, /[,x]/); print p[3], p[4]; exit } }' "$tree")
  e2e_expect "skin $s: signature pixels on the page" 0 "$(tw_signature_pixels "$shot" "${PW}x${PH}+$PX+$PY")"
  echo "ok: skin $s: $count windowed controls answer the skin query, no system colours on the page"
  cp "$shot" "$TW_BUILD/screenshots/buttons2/"

  # The menu button drops its menu, its items drawn from the skin (no system colour in the
  # whole popup); a choice by keys arrives.
  read -r cx cy < <(centre "$(box mbtMenu)")
  tw_xclick "$cx" "$cy"
  for i in $(seq 50); do
    tw_driver list --app TFrmGallery --class '#32768' 2>/dev/null | grep -q . && break
    sleep 0.1
  done
  tw_driver list --app TFrmGallery --class '#32768' 2>/dev/null | grep -q . || e2e_fail "skin $s: no menu dropped"
  sleep 0.5
  menu=$(e2e_shot "menu-dropped-skin$s")
  cp "$menu" "$TW_BUILD/screenshots/buttons2/"
  read -r wx wy ww wh < <(tw_driver rects --app TFrmGallery --class '#32768' |
    sed 's/.*window=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/')
  [ "${wh:-0}" -ge 30 ] || e2e_fail "skin $s: the dropped menu is ${ww:-?}x${wh:-?}"
  e2e_expect "skin $s: signature pixels in the dropped menu" 0 "$(tw_signature_pixels "$menu" "${ww}x${wh}+$wx+$wy")"
  tw_xkeys Down Down Return
  wait_prop lblMenuChoice.Caption "Menu choice: Second choice"
  echo "ok: skin $s: the menu button drops its menu drawn from the skin and the choice arrives"

  if [ "$s" = 2 ]; then
    # The glyph buttons show their glyph: the green diamond's middle, and grey on the greyed one.
    for b in bitGlyphLeft bitGlyphTop; do
      n=$(green_pixels "$shot" "$(box $b)")
      [ "$n" -ge 20 ] || e2e_fail "$b shows $n glyph pixels"
      echo "ok: $b shows $n glyph pixels"
    done
    n=$(green_pixels "$shot" "$(box bitGreyed)")
    e2e_expect "the greyed glyph button shows no green" 0 "$n"
    # The image list's picture: its orange, and none on the disabled button (greyed).
    n=$(green_pixels "$shot" "$(box bitImage)" 'rgb(190,90,20)')
    [ "$n" -ge 20 ] || e2e_fail "bitImage shows $n picture pixels"
    e2e_expect "the disabled image button shows no orange" 0 "$(green_pixels "$shot" "$(box bitImageOff)" 'rgb(190,90,20)')"

    # A real click on a speed button of the group moves "down" to it.
    e2e_expect "spdGlyph2 down at the start" True "$(prop spdGlyph2.Down)"
    read -r cx cy < <(centre "$(box spdGlyph3)")
    tw_xclick "$cx" "$cy"
    wait_prop spdGlyph3.Down True
    e2e_expect "spdGlyph2 up after the click on spdGlyph3" False "$(prop spdGlyph2.Down)"
    read -r cx cy < <(centre "$(box spdC)")
    tw_xclick "$cx" "$cy"
    wait_prop spdC.Down True
    e2e_expect "spdB up after the click on spdC" False "$(prop spdB.Down)"
    e2e_expect "spdGlyph3 stays down: its group is another" True "$(prop spdGlyph3.Down)"
    xdotool mousemove --sync $((PX + 600)) $((PY + 370))
    sleep 0.5
    down=$(e2e_shot "speed-down-moved")
    cp "$down" "$TW_BUILD/screenshots/buttons2/"
    echo "ok: real clicks move down within each speed button group"

    # Hovering the flat speed button shows the skin's frame on it.
    flat=$(box spdGlyphFlat)
    convert "$down" -crop "$flat" +repage "$E2E_OUT/flat-normal.png"
    read -r cx cy < <(centre "$flat")
    xdotool mousemove --sync "$cx" "$cy"
    sleep 0.6
    convert "$(e2e_shot flat-hot)" -crop "$flat" +repage "$E2E_OUT/flat-hot.png"
    [ "$(compare -metric AE "$E2E_OUT/flat-normal.png" "$E2E_OUT/flat-hot.png" null: 2>&1 || true)" != 0 ] ||
      e2e_fail "hovering the flat speed button changes nothing"
    echo "ok: hovering the flat speed button shows its frame"

    # A click on a radio group's button makes it the group's ItemIndex.
    radio=$(awk '/ TRadioButton / && /"West"/ { for (i = 1; i <= NF; i++) if ($i ~ /^screen=/) { split(substr($i, 8), p, /[,x]/); print p[1] + 8, p[2] + p[4] / 2 } }' "$tree")
    [ -n "$radio" ] || e2e_fail "no West radio button"
    tw_xclick $radio
    wait_prop rgpColumns.ItemIndex 3
    echo "ok: a click on a radio group's button sets its ItemIndex"
    cp "$(e2e_shot after-clicks)" "$TW_BUILD/screenshots/buttons2/"
  fi
  e2e_close "${G[@]}"
  e2e_expect "skin $s: exit code" 0 "$E2E_RC"
done
echo "buttons2: screenshots in $TW_BUILD/screenshots/buttons2"
e2e_pass
