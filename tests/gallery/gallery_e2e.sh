#!/usr/bin/env bash
# The skin gallery under Wine: its exit codes for a page it lacks and for bad arguments; the
# window and its title; the message box, open dialog and folder browser of page 1, each found,
# answered and gone again; the skin chooser over the five built-in skins and a package file;
# the Skinning box; --skin with a package at a path with blanks and Chinese characters; and
# screenshots of page 1 under each built-in skin, active and behind a message box, and of
# page 2, its controls all disabled. Skinned windows answer the skin query (0x3523) with 1: the
# gallery, each of its dialogs, the gallery again after skinning went off and on, and the
# disabled buttons of page 2.
# usage: tests/gallery/gallery_e2e.sh <build>/bin/SkinGallery.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"

e2e_init gallery "${1:?usage: gallery_e2e.sh SkinGallery.exe}"
G=(--class TFrmGallery)
TITLE="Skin Gallery - page 1 of 7"
LABELS=("Linen Classic" "Graphite" "Azure Glass" "Walnut" "Slate Flat")

# winpath UNIX-PATH: the same file as Wine's Z: drive names it.
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }

# exit_code ARGS: runs the gallery in the foreground and prints its exit code.
exit_code() {
  set +e
  "$TW_WINE64" "$E2E_APP" "$@" </dev/null >>"$E2E_OUT/refused.log" 2>&1
  echo $?
  set -e
}

# A package file the gallery has to read through a path with blanks and Chinese characters:
# one of the built-in packages, as the build wrote it.
package=$TW_BUILD/skins/SkinItem3.skn
[ -f "$package" ] || e2e_fail "no built-in package $package"
mkdir -p "$E2E_OUT/皮肤 文件"
cp "$package" "$E2E_OUT/皮肤 文件/胡桃 木.skn"
skin_file=$(winpath "$E2E_OUT/皮肤 文件/胡桃 木.skn")

# Refusals come before any window.
e2e_expect "exit code of --page 99" 3 "$(exit_code --page 99)"
e2e_expect "exit code of --page 8" 3 "$(exit_code --page 8)"
e2e_expect "exit code of an unknown argument" 2 "$(exit_code --colour red)"
e2e_expect "exit code of --page 0" 2 "$(exit_code --page 0)"
e2e_expect "exit code of --skin without a value" 2 "$(exit_code --skin)"
e2e_expect "exit code of --count-switches 0" 2 "$(exit_code --count-switches 0)"
grep -q 'unknown argument "--colour"' "$E2E_OUT/refused.log" || e2e_fail "no complaint about --colour on the console"

# start_gallery ARGS: starts it and waits for its window.
start_gallery() {
  e2e_start "$@"
  tw_driver wait "${G[@]}" --timeout 30000 >/dev/null || e2e_fail "the gallery window did not appear ($*)"
}
title() { tw_driver text "${G[@]}"; }
# client_area: the gallery's client area on the screen, as WxH+X+Y.
client_area() {
  tw_driver rects "${G[@]}" | sed -n 's/.*client=\([0-9-]*\),\([0-9-]*\),\([0-9]*\)x\([0-9]*\).*/\3x\4+\1+\2/p'
}
# wait_title WANTED: the title changes when the form has dealt with a posted click.
wait_title() {
  local got="" i
  for i in $(seq 50); do
    got=$(title) && [ "$got" = "$1" ] && break
    sleep 0.1
  done
  e2e_expect "title" "$1" "$got"
}
# skinned WANTED WINDOW-SELECTORS...: waits up to 5 s for that answer to the skin query.
skinned() {
  local wanted=$1 got="" i
  shift
  for i in $(seq 50); do
    got=$(tw_driver send "$@" 0x3523 2>/dev/null | cut -d' ' -f1) && [ "$got" = "$wanted" ] && break
    sleep 0.1
  done
  e2e_expect "skin query of $*" "$wanted" "$got"
}
DIALOG=(--app TFrmGallery --class '#32770')
last_dialog() { tw_driver prop "${G[@]}" lblLastDialog.Caption; }
# no_dialog: no "#32770" window of the gallery's is left.
no_dialog() {
  tw_driver gone --app TFrmGallery --class '#32770' --timeout 10000 || e2e_fail "a dialog stayed open after $1"
  echo "ok: $1 closed"
}

start_gallery
e2e_expect "title at start" "$TITLE - Azure Glass" "$(title)"
skinned 1 "${G[@]}"
e2e_expect "Skinning box at start" "1 0x1" "$(tw_driver send "${G[@]}" --text Skinning 0xF0)"  # BM_GETCHECK

# Page 1's three system dialogs.
tw_driver click "${G[@]}" --text "Message box..."
skinned 1 "${DIALOG[@]}"
msg=$(tw_driver msgbox --app TFrmGallery OK) || e2e_fail "no message box"
grep -q "text: A message box of the gallery" <<<"$msg" || e2e_fail "unexpected message box: $msg"
no_dialog "the message box"
e2e_wait_prop() {
  local got="" i
  for i in $(seq 50); do
    got=$(last_dialog) && [ "$got" = "$1" ] && break
    sleep 0.1
  done
  e2e_expect "last dialog" "$1" "$got"
}
e2e_wait_prop "Last dialog: message box: OK"

tw_driver click "${G[@]}" --text "Open dialog..."
skinned 1 "${DIALOG[@]}"
e2e_shot open-dialog >/dev/null
tw_driver dialog-path --app TFrmGallery "$skin_file" || e2e_fail "could not answer the open dialog"
no_dialog "the open dialog"
e2e_wait_prop "Last dialog: open dialog: $skin_file"

mkdir -p "$E2E_OUT/输出 目录"
folder=$(winpath "$E2E_OUT/输出 目录")
tw_driver click "${G[@]}" --text "Folder browser..."
skinned 1 "${DIALOG[@]}"
e2e_shot folder-browser >/dev/null
tw_driver folder --app TFrmGallery "$folder" >/dev/null || e2e_fail "could not choose $folder"
no_dialog "the folder browser"
e2e_wait_prop "Last dialog: folder browser: $folder"

# The chooser: every built-in skin by name; the title names the skin the component parsed.
for i in 0 1 2 3 4; do
  tw_driver select "${G[@]}" --cclass TComboBox --nth 1 "${LABELS[$i]}"
  wait_title "$TITLE - ${LABELS[$i]}"
done

# The Skinning box, off and on again, keeps the skin.
tw_driver click "${G[@]}" --text Skinning
wait_title "$TITLE - Slate Flat - skinning off"
e2e_expect "Skinning box off" "0 0x0" "$(tw_driver send "${G[@]}" --text Skinning 0xF0)"
skinned 0 "${G[@]}"
tw_driver click "${G[@]}" --text Skinning
wait_title "$TITLE - Slate Flat"
skinned 1 "${G[@]}"

# "File...": a package file through the open dialog; a cancelled dialog keeps the skin.
tw_driver select "${G[@]}" --cclass TComboBox --nth 1 "File..."
tw_driver press --app TFrmGallery '#2' >/dev/null || e2e_fail "could not cancel the skin file dialog"
no_dialog "the cancelled skin file dialog"
e2e_expect "title after a cancelled file dialog" "$TITLE - Slate Flat" "$(title)"
e2e_expect "chooser after a cancelled file dialog" "* Slate Flat" \
  "$(tw_driver combo "${G[@]}" --cclass TComboBox --nth 1 | grep '^\*')"
# A file that is no package says so, and a built-in skin still loads after it.
echo "no package" >"$E2E_OUT/not a skin.skn"
tw_driver select "${G[@]}" --cclass TComboBox --nth 1 "File..."
tw_driver dialog-path --app TFrmGallery "$(winpath "$E2E_OUT/not a skin.skn")" || e2e_fail "could not answer the skin file dialog"
wait_title "$TITLE - cannot load not a skin.skn"
tw_driver select "${G[@]}" --cclass TComboBox --nth 1 "Graphite"
wait_title "$TITLE - Graphite"
tw_driver select "${G[@]}" --cclass TComboBox --nth 1 "File..."
tw_driver dialog-path --app TFrmGallery "$skin_file" || e2e_fail "could not answer the skin file dialog"
wait_title "$TITLE - Walnut (胡桃 木.skn)"
# Every page button lies inside the client, its whole width there.
read -r cw ch cx cy < <(client_area | sed 's/\([0-9]*\)x\([0-9]*\)+\([-0-9]*\)+\([-0-9]*\)/\1 \2 \3 \4/')
buttons=0
while read -r bx bw; do
  [ "$bx" -ge "$cx" ] && [ $((bx + bw)) -le $((cx + cw)) ] || e2e_fail "a page button at x $bx, $bw wide, runs out of the client ($cw wide at $cx)"
  buttons=$((buttons + 1))
done < <(tw_driver tree "${G[@]}" | sed -n 's/^  0x[0-9a-fA-F]* TButton id=[0-9]* "[0-9]* [^"]*" .* screen=\([-0-9]*\),[-0-9]*,\([0-9]*\)x[0-9]*.*/\1 \2/p')
e2e_expect "page buttons inside the client" 7 "$buttons"
e2e_close "${G[@]}"
e2e_expect "exit code after closing" 0 "$E2E_RC"

# --skin with the package file, skinning off from the start.
start_gallery --skin "$skin_file" --off
e2e_expect "title with --skin PATH --off" "$TITLE - Walnut (胡桃 木.skn) - skinning off" "$(title)"
e2e_expect "Skinning box with --off" "0 0x0" "$(tw_driver send "${G[@]}" --text Skinning 0xF0)"
sleep 0.5  # past the manager's action delay: a skinner would be there by now
e2e_expect "skin query with --off" "0" "$(tw_driver send "${G[@]}" 0x3523 | cut -d' ' -f1)"
tw_driver click "${G[@]}" --text Skinning
wait_title "$TITLE - Walnut (胡桃 木.skn)"
skinned 1 "${G[@]}"
e2e_close "${G[@]}"

# title_band: the gallery's title bar on the screen, as WxH+X+Y.
title_band() {
  tw_driver rects "${G[@]}" |
    sed -n 's/^window=\([0-9-]*\),\([0-9-]*\),\([0-9]*\)x[0-9]* .* frame=[0-9-]*,\([0-9]*\),.*/\3x\4+\1+\2/p'
}
# changed_pixels A B AREA: how many pixels of AREA differ between two screenshots.
changed_pixels() {
  convert "$1" "$2" -crop "$3" +repage -compose difference -composite -colorspace Gray -threshold 0 \
    -format '%[fx:round(w*h*mean)]' info:
}

# Page 1 under each built-in skin: active, then inactive behind the gallery's message box,
# which must show in the title bar.
for i in 0 1 2 3 4; do
  start_gallery --skin "$i" --page 1
  e2e_expect "title with --skin $i" "$TITLE - ${LABELS[$i]}" "$(title)"
  skinned 1 "${G[@]}"
  band=$(title_band)
  active=$(e2e_shot "skin$i-active")
  e2e_expect "skin $i: signature pixels in page 1" 0 "$(tw_signature_pixels "$active" "$(client_area)")"
  tw_driver click "${G[@]}" --text "Message box..."
  skinned 1 "${DIALOG[@]}"
  inactive=$(e2e_shot "skin$i-inactive")
  changed=$(changed_pixels "$active" "$inactive" "$band")
  [ "$changed" -ge "${band%%x*}" ] || e2e_fail "the title bar under skin $i looks the same inactive ($changed pixels changed)"
  echo "ok: the title bar under skin $i changes when inactive ($changed pixels)"
  tw_driver msgbox --app TFrmGallery OK >/dev/null
  no_dialog "the message box over skin $i"
  # Page 2: the same controls disabled, skinned too.
  tw_driver click "${G[@]}" --text "2 Disabled"
  wait_title "Skin Gallery - page 2 of 7 - ${LABELS[$i]}"
  skinned 1 "${G[@]}" --text "Push button"
  skinned 1 "${G[@]}" --text "Default button 默认"
  e2e_shot "skin$i-disabled" >/dev/null
  e2e_close "${G[@]}"
  e2e_expect "exit code with --skin $i" 0 "$E2E_RC"
done
echo "gallery: screenshots in $E2E_OUT"
e2e_pass
