#!/usr/bin/env bash
# Skinned edits and combo boxes in the gallery under Wine, with real mouse input: every visible
# edit and combo answers the skin query and shows no pixel in the bench's signature colours
# (the system's face, shadow and light); the drop-down list's button lights under the pointer
# and not over its text part, and a click drops its list; the open dialog's edits, combos and
# size grip are skinned too (its tool bar and file list stay the system's).
# usage: tests/controls/combos_e2e.sh <build>/bin/SkinGallery.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

GALLERY=${1:?usage: combos_e2e.sh SkinGallery.exe}
e2e_init combos "$GALLERY"
G=(--class TFrmGallery)
CB_GETDROPPEDSTATE=0x157

query() { tw_driver send --hwnd "$1" $SKM_QUERY 2>/dev/null | cut -d' ' -f1; }
wait_skinned() {
  local i
  for i in $(seq 50); do
    [ "$(tw_driver send "$@" $SKM_QUERY 2>/dev/null | cut -d' ' -f1)" = 1 ] && return 0
    sleep 0.1
  done
  e2e_fail "no skinned window $*"
}
# controls PATTERN SELECTORS...: "HANDLE STYLE WxH+X+Y" of every visible window under the
# window whose class matches PATTERN (a sed pattern); the edit inside a combo box is the combo's
# part, not a control of its own.
controls() {
  local pattern=$1
  shift
  tw_driver tree "$@" | awk '{ depth = match($0, /[^ ]/); parent[depth] = $2
    if ($2 ~ /^Edit/ && parent[depth - 2] ~ /^ComboBox/) next; print }' | sed -n "s/^ *\(0x[0-9a-fA-F]*\) \($pattern\) id=.* style=\(0x[0-9a-f]*\) visible=1 .* screen=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \3 \6x\7+\4+\5/p"
}
# check WHAT SHOT PATTERN SELECTORS...: each such control skinned, none in signature colours.
check() {
  local what=$1 shot=$2 pattern=$3 handle style box n count=0
  shift 3
  while read -r handle style box; do
    [ -n "$handle" ] || continue
    e2e_expect "$what: skin query of $handle" 1 "$(query "$handle")"
    n=$(tw_signature_pixels "$shot" "$box")
    e2e_expect "$what: signature pixels in $handle ($box)" 0 "$n"
    count=$((count + 1))
  done < <(controls "$pattern" "$@")
  [ "$count" -gt 0 ] || e2e_fail "$what: none found"
  echo "ok: $what: $count skinned, no system colours"
}
crop() { convert "$1" -crop "$2" +repage "$3"; }
differs() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != 0 ]; }

e2e_start --skin 2 --page 1
tw_driver wait "${G[@]}" --timeout 30000 >/dev/null || e2e_fail "no gallery"
wait_skinned "${G[@]}"
sleep 0.5
shot=$(e2e_shot gallery)
check "gallery edits" "$shot" 'TEdit[^ ]*' "${G[@]}"
check "gallery combos" "$shot" 'TComboBox[^ ]*' "${G[@]}"

# The page's drop-down list (the last one; the first is the gallery's skin choice): its button,
# its text part, and a point on the form's face away from both.
read -r handle style box < <(controls 'TComboBox[^ ]*' "${G[@]}" | while read -r h s b; do
  [ $((s & 3)) = 3 ] && echo "$h $s $b"; done | tail -1)
[ -n "${handle:-}" ] || e2e_fail "no drop-down list"
read -r cw ch cx cy < <(sed 's/\([0-9]*\)x\([0-9]*\)+\([-0-9]*\)+\([-0-9]*\)/\1 \2 \3 \4/' <<<"$box")
bw=18
button="${bw}x${ch}+$((cx + cw - bw))+$cy"
read -r ox oy < <(tw_driver rects "${G[@]}" | sed 's/.*client=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2/')
xdotool mousemove --sync $((ox + 5)) $((oy + 5))
sleep 0.8
crop "$(e2e_shot combo-away)" "$button" "$E2E_OUT/button-away.png"
xdotool mousemove --sync $((cx + 20)) $((cy + ch / 2))
sleep 0.6
crop "$(e2e_shot combo-text)" "$button" "$E2E_OUT/button-text.png"
differs "$E2E_OUT/button-away.png" "$E2E_OUT/button-text.png" && e2e_fail "the button lit over the text part"
echo "ok: over the text part the button stays normal"
xdotool mousemove --sync $((cx + cw - bw / 2)) $((cy + ch / 2))
sleep 0.6
crop "$(e2e_shot combo-hot)" "$button" "$E2E_OUT/button-hot.png"
differs "$E2E_OUT/button-away.png" "$E2E_OUT/button-hot.png" || e2e_fail "hovering the button shows no hot frame"
echo "ok: hovering the drop-down button shows its hot frame"
tw_xclick $((cx + cw - bw / 2)) $((cy + ch / 2))
sleep 0.6
e2e_shot combo-dropped >/dev/null
e2e_expect "a click drops the list" 1 "$(tw_driver send --hwnd "$handle" $CB_GETDROPPEDSTATE 2>/dev/null | cut -d' ' -f1)"
xdotool key Escape
sleep 0.4

# The open dialog.
tw_driver click "${G[@]}" --text "Open dialog..." >/dev/null &
clicker=$!
wait_skinned --app TFrmGallery --class '#32770'
sleep 1.5
shot=$(e2e_shot open-dialog)
D=(--app TFrmGallery --class '#32770')
check "open dialog combos" "$shot" 'ComboBox' "${D[@]}"
# Its file name edit is the inner part of a combo, checked with the combo's box above.
grips=0
while read -r handle style box; do
  [ $((style & 0x10)) = 16 ] || continue  # size grips only
  e2e_expect "open dialog: skin query of the size grip" 1 "$(query "$handle")"
  e2e_expect "open dialog: signature pixels in the size grip ($box)" 0 "$(tw_signature_pixels "$shot" "$box")"
  grips=$((grips + 1))
done < <(controls 'ScrollBar' "${D[@]}")
[ "$grips" -gt 0 ] || e2e_fail "the open dialog has no size grip"
tw_driver press "${D[@]}" '#2' >/dev/null || true
tw_driver gone "${D[@]}" --timeout 10000 || e2e_fail "the open dialog stayed"
wait "$clicker" || true
e2e_close "${G[@]}"
e2e_expect "gallery: exit code" 0 "$E2E_RC"
echo "combos: screenshots in $E2E_OUT"
e2e_pass
