#!/usr/bin/env bash
# The gallery's MDI form under each built-in skin, driven by real mouse and keys: its children
# get the skin's frames (skin query 1, the skin's border widths) and every control inside them is
# skinned (skin query 1), and no pixel of the whole frame window (its frame, the client's edge,
# the children's frames and controls) is in the system's colours, shown normal, maximised, tiled,
# cascaded and after a switch to the next skin from the Skin menu with children open; a
# double click on a child's title maximises it, its frame goes out of sight and its buttons come
# into the frame's menu band, where restore gives it its skinned frame back and close closes it,
# and its icon at the band's start opens its system menu, drawn from the skin, whose Close closes it;
# File > New child makes children, Window > Tile and Cascade place them; File > Close child closes
# them one by one, and after each close no form skinner is left over (the frame keeps its one).
# usage: tests/form/mdi_e2e.sh <build>/bin/SkinGallery.exe [SKIN...]   (default: all five)
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

e2e_init form-mdi "${1:?usage: mdi_e2e.sh SkinGallery.exe}"
SHOTS=$TW_BUILD/screenshots/mdi
mkdir -p "$SHOTS"
F=(--title-has "Skin Gallery - MDI")
WM_APP=0x8000
SKINNERS=$((WM_APP + 0x4D))
CHILDREN=$((WM_APP + 0x4F))
BAND_BUTTON=$((WM_APP + 0x50))
WS_MAXIMIZE=0x01000000
# Where the band's File and Window captions lie, from the band's left (the menu font's widths).
FILE_X=14
WINDOW_X=58
SKIN_X=100

field() { sed "s/.* $1=\([^ ]*\).*/\1/" <<<" $2"; }
answer() { tw_driver send "$@" 2>/dev/null | cut -d' ' -f1; }
# settled COMMAND...: waits up to 5 s until the command succeeds.
settled() {
  local i
  for i in $(seq 50); do "$@" && return 0; sleep 0.1; done
  return 1
}
answers() { [ "$(answer "${@:2}")" = "$1" ]; }
children() { tw_driver tree "${F[@]}" | awk '$2 == "TFrmGalleryMdiChild" { print $1 }'; }
mdi_client() { tw_driver tree "${F[@]}" | awk '$2 == "MDIClient" { print $1; exit }'; }
frame_of() { field frame "$(tw_driver rects --hwnd "$1")"; }
frame_is() { [ "$(frame_of "$1")" = "$2" ]; }
maximised() { (( $(field style "$(tw_driver tree --hwnd "$1" | head -1)") & WS_MAXIMIZE )); }
not_maximised() { ! maximised "$1"; }
count_is() { [ "$(children | wc -l)" = "$1" ]; }
# The screen point of a window point of the frame.
screen_of() {
  local wx wy
  IFS=, read -r wx wy _ <<<"$(field window "$(tw_driver rects "${F[@]}")")"
  echo "$((wx + $1)) $((wy + $2))"
}
# band_click ACTION: a real click on the menu band's button of that action.
band_click() {
  local packed x y
  packed=$(answer "${F[@]}" $BAND_BUTTON "$1")
  [ "$packed" != -1 ] || e2e_fail "skin $skin: no band button for action $1"
  x=$((packed & 0xFFFF)) y=$(((packed >> 16) & 0xFFFF))
  read -r x y < <(screen_of "$x" "$y")
  tw_xclick "$x" "$y"
}
# title_dblclick CHILD: a real double click on the middle of the child's title.
title_dblclick() {
  local wx wy ww
  IFS=, read -r wx wy ww <<<"$(field window "$(tw_driver rects --hwnd "$1")" | tr x ,)"
  xdotool mousemove --sync $((wx + ww / 2)) $((wy + top / 2)) click --repeat 2 --delay 80 1
}
# menu ITEM-X KEY: opens the band's menu whose caption starts ITEM-X pixels into the band with a
# real click, then chooses the entry by its accelerator key.
menu() {
  local x y
  read -r x y < <(screen_of $((left + $1)) $((top + 9)))
  tw_xclick "$x" "$y"
  sleep 0.4
  tw_xkeys "$2"
}
# band_end_differences SHOT1 SHOT2: pixels that differ between the shots in the right end of
# the frame's menu band, where a maximised child's buttons are drawn.
band_end_differences() {
  local wx wy ww cy
  IFS=, read -r wx wy ww <<<"$(field window "$(tw_driver rects "${F[@]}")" | tr x ,)"
  IFS=, read -r _ cy _ <<<"$(field client "$(tw_driver rects "${F[@]}")")"
  local area="80x$((cy - wy - top))+$((wx + ww - right - 80))+$((wy + top))"
  convert "$1" -crop "$area" +repage "$E2E_OUT/band1.png"
  convert "$2" -crop "$area" +repage "$E2E_OUT/band2.png"
  compare -metric AE "$E2E_OUT/band1.png" "$E2E_OUT/band2.png" null: 2>&1 | cut -d' ' -f1 || true
}
skinners_are() { answers "$1" "${F[@]}" $SKINNERS; }
popups() { tw_driver list --class '#32768' --timeout 0 2>/dev/null | cut -d' ' -f1 || true; }
popup_shown() { [ -n "$(popups)" ]; }
shot() {
  tw_shot "$SHOTS/skin$skin-$1.png"
  echo "$SHOTS/skin$skin-$1.png"
}
# The windowed controls inside a child, "handle class" a line.
controls_of() {
  tw_driver tree --hwnd "$1" | awk 'NR > 1 && $2 ~ /^T(Button|Edit|CheckBox|ListBox)$/ { print $1, $2 }'
}
all_answer_of() {
  local handle cls
  while read -r handle cls; do answers 1 --hwnd "$handle" $SKM_QUERY || return 1; done <<<"$1"
}
expect_skinned_child() {
  local child=$1 what=$2 handle cls n=0
  settled answers 1 --hwnd "$child" $SKM_QUERY || e2e_fail "skin $skin: $what is not skinned"
  settled frame_is "$child" "$left,$top,$right,$bottom" ||
    e2e_fail "skin $skin: $what has the frame $(frame_of "$child"), not the skin's $left,$top,$right,$bottom"
  local controls
  controls=$(controls_of "$child")
  # Asked again one by one only when they have not all answered, to name the one that did not.
  if ! settled all_answer_of "$controls"; then
    while read -r handle cls; do
      e2e_expect "skin $skin: skin query of the $cls $handle in $what" 1 "$(answer --hwnd "$handle" $SKM_QUERY)" >/dev/null
    done <<<"$controls"
  fi
  n=$(grep -c . <<<"$controls" || true)
  e2e_expect "skin $skin: windowed controls in $what" 4 "$n" >/dev/null
}
# whole_frame_count SHOT: signature pixels in the whole MDI frame window, client included.
whole_frame_count() {
  local tree=$E2E_OUT/frame-skin$skin.tree
  tw_driver tree "${F[@]}" >"$tree"
  window_signature_pixels "$1" "$(tw_driver rects "${F[@]}")" "$tree"
}

skins=("${@:2}")
[ ${#skins[@]} -gt 0 ] || skins=(0 1 2 3 4)
for skin in "${skins[@]}"; do
  read -r left top right bottom transparent < <(skin_frame_of $skin)
  e2e_start --form mdi --skin $skin
  tw_driver wait "${F[@]}" --timeout 30000 >/dev/null || e2e_fail "skin $skin: the MDI frame did not appear"
  settled answers 1 "${F[@]}" $SKM_QUERY || e2e_fail "skin $skin: the MDI frame was not skinned"
  settled count_is 2 || e2e_fail "skin $skin: the frame has $(children | wc -l) children, not 2"
  mapfile -t kids < <(children)
  for c in "${kids[@]}"; do expect_skinned_child "$c" "child $c"; done
  echo "ok: skin $skin: both children skinned with the frame $left,$top,$right,$bottom"
  sleep 0.3
  png=$(shot normal)
  for c in "${kids[@]}" ; do
    e2e_expect "skin $skin: system colours in child $c" 0 \
      "$(window_signature_pixels "$png" "$(tw_driver rects --hwnd "$c")" /dev/null)"
  done
  e2e_expect "skin $skin: system colours in the whole MDI frame" 0 "$(whole_frame_count "$png")"

  # The active child (made last, listed first) maximised by a double click on its title.
  active=${kids[0]}
  title_dblclick "$active"
  settled maximised "$active" || e2e_fail "skin $skin: a double click on the title did not maximise the child"
  client=$(mdi_client)
  settled eval '[ "$(field client "$(tw_driver rects --hwnd "$active")")" = "$(field client "$(tw_driver rects --hwnd "$client")")" ]' ||
    e2e_fail "skin $skin: the maximised child's client $(tw_driver rects --hwnd "$active") is not the MDI client's"
  e2e_expect "skin $skin: maximised child's region" none "$(field type "$(tw_driver region --hwnd "$active" | head -1)")"
  settled eval '[ "$(answer "${F[@]}" $BAND_BUTTON 9)" != -1 ]' || e2e_fail "skin $skin: no buttons in the band"
  sleep 0.3
  png=$(shot maximised)
  e2e_expect "skin $skin: system colours in the whole MDI frame with a maximised child" 0 "$(whole_frame_count "$png")"

  # Restore from the band: the skinned frame and its region are back, the band's buttons gone.
  band_click 8
  settled not_maximised "$active" || e2e_fail "skin $skin: the band's restore button did not restore the child"
  expect_skinned_child "$active" "the restored child"
  if [ "$transparent" -gt 0 ]; then wanted=complex; else wanted=simple; fi
  settled eval '[ "$(field type "$(tw_driver region --hwnd "$active" | head -1)")" = $wanted ]' ||
    e2e_fail "skin $skin: the restored child's region is $(tw_driver region --hwnd "$active" | head -1)"
  settled answers -1 "${F[@]}" $BAND_BUTTON 9 || e2e_fail "skin $skin: the band's buttons stayed after the restore"
  echo "ok: skin $skin: restored from the band"

  # Close from the band: the other child comes up maximised in its place and closes the same way;
  # with the last one the band's buttons go.
  title_dblclick "$active"
  settled maximised "$active" || e2e_fail "skin $skin: the second maximise did not happen"
  settled eval '[ "$(answer "${F[@]}" $BAND_BUTTON 9)" != -1 ]' || e2e_fail "skin $skin: no buttons in the band"
  # This one closes from its system menu, opened from its icon at the band's start.
  band_click 3
  settled popup_shown || e2e_fail "skin $skin: the child's icon in the band opened no menu"
  popup=$(popups | head -1)
  settled answers 1 --hwnd "$popup" $SKM_QUERY || e2e_fail "skin $skin: the child's system menu is not skinned"
  sleep 0.4
  png=$(shot child-system-menu)
  e2e_expect "skin $skin: system colours in the child's system menu" 0 \
    "$(tw_signature_pixels "$png" "$(field window "$(tw_driver rects --hwnd "$popup")" | awk -F'[,x]' '{ print $3 "x" $4 "+" $1 "+" $2 }')")"
  tw_xkeys c
  settled count_is 1 || e2e_fail "skin $skin: Close in the child's system menu did not close it"
  settled skinners_are 2 || e2e_fail "skin $skin: $(answer "${F[@]}" $SKINNERS) form skinners with one child"
  settled maximised "${kids[1]}" || e2e_fail "skin $skin: the remaining child did not come up maximised"
  settled eval '[ "$(answer "${F[@]}" $BAND_BUTTON 9)" != -1 ]' || e2e_fail "skin $skin: no buttons for the next child"
  band_click 9
  settled count_is 0 || e2e_fail "skin $skin: the last child did not close from the band"
  settled skinners_are 1 || e2e_fail "skin $skin: $(answer "${F[@]}" $SKINNERS) form skinners without children"
  settled answers -1 "${F[@]}" $BAND_BUTTON 9 || e2e_fail "skin $skin: the band's buttons stayed after the last close"
  sleep 0.3
  png=$(shot closed)
  e2e_expect "skin $skin: pixels of the band's end that differ from before the maximise" 0 \
    "$(band_end_differences "$SHOTS/skin$skin-normal.png" "$png")"
  echo "ok: skin $skin: closed from the band, no skinner left over"

  # Three children from File > New child, tiled, then cascaded, from the Window menu.
  for n in 1 2 3; do
    menu $FILE_X n
    settled count_is $n || e2e_fail "skin $skin: File > New child made $(children | wc -l) children, not $n"
  done
  mapfile -t kids < <(children)
  for c in "${kids[@]}"; do expect_skinned_child "$c" "new child $c"; done
  menu $WINDOW_X t
  rel() { tw_driver tree "${F[@]}" | awk '$2 == "TFrmGalleryMdiChild" { for (i = 1; i <= NF; i++) if ($i ~ /^rel=/) print substr($i, 5) }' | sort; }
  tiled() {
    local tops lefts
    tops=$(rel | cut -d, -f2 | sort -u | wc -l)
    lefts=$(rel | cut -d, -f1 | sort -u | wc -l)
    [ "$tops" = 1 ] && [ "$lefts" = 3 ]
  }
  settled tiled || e2e_fail "skin $skin: Window > Tile left the children at $(rel | tr '\n' ' ')"
  # Side by side across the client, none over another.
  total=0
  while IFS=, read -r x y wh; do total=$((total + ${wh%x*})); done < <(rel)
  cw=$(field client "$(tw_driver rects --hwnd "$(mdi_client)")" | sed 's/.*,\([0-9]*\)x.*/\1/')
  [ "$total" -le "$cw" ] && [ "$total" -ge $((cw - 12)) ] || e2e_fail "skin $skin: tiled widths add up to $total in $cw"
  sleep 0.3
  e2e_expect "skin $skin: system colours in the whole MDI frame, tiled" 0 "$(whole_frame_count "$(shot tiled)")"
  echo "ok: skin $skin: tiled $(rel | tr '\n' ' ')"
  menu $WINDOW_X c
  cascaded() {
    local lines steps
    lines=$(rel | awk -F'[,x]' '{ print $1, $2 }' | sort -n)
    steps=$(awk 'NR > 1 { print $1 - x, $2 - y } { x = $1; y = $2 }' <<<"$lines" | sort -u)
    [ "$(wc -l <<<"$steps")" = 1 ] && [ "${steps%% *}" -gt 0 ]
  }
  settled cascaded || e2e_fail "skin $skin: Window > Cascade left the children at $(rel | tr '\n' ' ')"
  sleep 0.3
  e2e_expect "skin $skin: system colours in the whole MDI frame, cascaded" 0 "$(whole_frame_count "$(shot cascaded)")"
  echo "ok: skin $skin: cascaded $(rel | tr '\n' ' ')"

  # Skin > the next skin with the three children open, then a fourth child made under it.
  from=$skin
  skin=$(((from + 1) % 5))
  menu $SKIN_X $((skin + 1))
  read -r left top right bottom transparent < <(skin_frame_of $skin)
  for c in "${kids[@]}"; do expect_skinned_child "$c" "child $c after the switch from skin $from"; done
  menu $FILE_X n
  settled count_is 4 || e2e_fail "skin $skin: File > New child after the switch made $(children | wc -l) children, not 4"
  mapfile -t kids < <(children)
  expect_skinned_child "${kids[0]}" "the child made after the switch from skin $from"
  sleep 0.3
  png=$(shot switched-from$from)
  e2e_expect "skin $skin: system colours in the whole MDI frame after the switch from skin $from" 0 "$(whole_frame_count "$png")"
  echo "ok: skin $skin: switched from skin $from with children open, all their controls skinned"

  # File > Close child, one by one.
  for n in 3 2 1 0; do
    menu $FILE_X c
    settled count_is $n || e2e_fail "skin $skin: File > Close child left $(children | wc -l) children, not $n"
    settled skinners_are $((n + 1)) || e2e_fail "skin $skin: $(answer "${F[@]}" $SKINNERS) form skinners with $n children"
  done
  echo "ok: skin $skin: closed one by one, one skinner left"
  e2e_close "${F[@]}"
  e2e_expect "skin $skin: exit code" 0 "$E2E_RC"
  skin=$from
done
e2e_pass
