#!/usr/bin/env bash
# The gallery's Spin page under Wine. Under each built-in skin every up-down, date picker, spin
# edit, status bar and media player of the page answers the skin query with 1 and shows no
# pixel in the bench's signature colours (the system's face, shadow and light). Under the real
# mouse a click on the upper arrow of the buddy up-down steps its edit from 5 to 6 and the
# lower one back; a click on the spin edit's upper arrow, and its arrow keys, step its Value by
# its Increment; a click on the date picker's skinned arrow opens its calendar (a pop-up window
# appears); the status bar's panels hold their texts and show dark text pixels in each panel.
# On the media players, a held press shows the button pressed in, its release arrives as the
# click of that button, a disabled button's click arrives as none, and on a player with buttons
# hidden the shown ones share its width. (The page's GDI and USER objects over 200 skin
# switches are counted by the test controls.spin_count_switches.)
# usage: tests/controls/spin_e2e.sh <build>/bin/SkinGallery.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

e2e_init spin "${1:?usage: spin_e2e.sh SkinGallery.exe}"
G=(--class TFrmGallery)
PATTERN='\(TUpDown\|TDateTimePicker\|TStatusBar\|TSpinEdit\|TMediaPlayer\)[^ ]*'

query() { tw_driver send --hwnd "$1" $SKM_QUERY 2>/dev/null | cut -d' ' -f1; }
# controls: "HANDLE CLASS WxH+X+Y" of every visible control of the page's families.
controls() {
  tw_driver tree "${G[@]}" | sed -n "s/^ *\(0x[0-9a-fA-F]*\) \($PATTERN\) id=.* visible=1 .* screen=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \6x\7+\4+\5/p"
}
box_of() { controls | awk -v c="$1" '$2 ~ "^"c { print $3 }' | head -"${2:-1}" | tail -1; }
split() { sed 's/\([0-9]*\)x\([0-9]*\)+\([-0-9]*\)+\([-0-9]*\)/\1 \2 \3 \4/' <<<"$1"; }
start() {
  e2e_start --skin "$1" --page 5
  tw_driver wait "${G[@]}" --timeout 30000 >/dev/null || e2e_fail "no gallery under skin $1"
  local i handle
  for i in $(seq 50); do
    handle=$(controls | awk '$2 ~ /^TStatusBar/ { print $1 }' | head -1)
    [ -n "$handle" ] && [ "$(query "$handle")" = 1 ] && break
    sleep 0.1
  done
  sleep 0.6
}

for skin in 0 1 2 3 4; do
  start "$skin"
  shot=$(e2e_shot "spin-skin$skin")
  count=0
  while read -r handle cls box; do
    [ -n "$handle" ] || continue
    e2e_expect "skin $skin: skin query of $cls $handle" 1 "$(query "$handle")"
    e2e_expect "skin $skin: signature pixels in $cls ($box)" 0 "$(tw_signature_pixels "$shot" "$box")"
    count=$((count + 1))
  done < <(controls)
  [ "$count" -ge 13 ] || e2e_fail "skin $skin: only $count controls of the page found"
  echo "ok: skin $skin: $count controls skinned, no system colours"

  if [ "$skin" = 0 ]; then
    e2e_expect "panel texts" "Ready 就绪|3 files|00:42:17|Converting" "$(tw_driver prop "${G[@]}" sbrPanels.PanelTexts)"
    # Each panel of the skinned bar shows text: dark pixels in every quarter of its width.
    read -r sw sh sx sy < <(split "$(box_of TStatusBar)")
    for part in "160 0" "120 160" "120 280" "100 400"; do
      read -r pw px <<<"$part"
      dark=$(convert "$shot" -crop "$((pw - 8))x$((sh - 6))+$((sx + px + 4))+$((sy + 3))" +repage -colorspace Gray \
        -threshold 45% -negate -format '%[fx:round(mean*w*h)]' info:)
      [ "$dark" -gt 3 ] || e2e_fail "status panel at $px shows no text ($dark dark pixels)"
    done
    echo "ok: status panels hold and show their texts"

    # The buddy up-down: a click on its upper half steps the edit up, on the lower half down.
    read -r uw uh ux uy < <(split "$(box_of TUpDown)")
    tw_xclick $((ux + uw / 2)) $((uy + uh / 4))
    sleep 0.5
    e2e_expect "a click on the up arrow steps the edit" 6 "$(tw_driver prop "${G[@]}" udBuddy.Position)"
    e2e_expect "the edit shows the step" 6 "$(tw_driver prop "${G[@]}" edtBuddy.Text)"
    e2e_shot spin-stepped >/dev/null
    tw_xclick $((ux + uw / 2)) $((uy + uh * 3 / 4))
    sleep 0.5
    e2e_expect "a click on the down arrow steps back" 5 "$(tw_driver prop "${G[@]}" edtBuddy.Text)"

    # The spin edit's own arrows (the up-down listed right after it): up steps by 5.
    read -r aw ah ax ay < <(split "$(controls | awk '$2 ~ /^TSpinEdit/ { getline; print $3; exit }')")
    e2e_expect "the spin edit's value" 10 "$(tw_driver prop "${G[@]}" spnCount.Value)"
    tw_xclick $((ax + aw / 2)) $((ay + ah / 4))
    sleep 0.5
    e2e_expect "a click on the spin edit's up arrow steps it by its increment" 15 \
      "$(tw_driver prop "${G[@]}" spnCount.Value)"
    e2e_expect "the spin edit shows the step" 15 "$(tw_driver prop "${G[@]}" spnCount.Text)"
    # Its arrow keys step it too, once the text has the focus.
    tw_xclick $((ax - 30)) $((ay + ah / 2))
    tw_xkeys Up Up Down
    sleep 0.5
    e2e_expect "the spin edit's arrow keys step it" 20 "$(tw_driver prop "${G[@]}" spnCount.Value)"

    # The media players: nine buttons of 39 over mpFull; play, stop and eject of 40 over mpFew.
    read -r mw mh mx my < <(split "$(box_of TMediaPlayer)")
    read -r fw fh fx fy < <(split "$(box_of TMediaPlayer 2)")
    clicks() { tw_driver prop "${G[@]}" lblPlayerClicks.Caption; }
    e2e_expect "no player click yet" "No click yet" "$(clicks)"
    crop="$((mw / 9 - 4))x$((mh - 4))+$((mx + 2))+$((my + 2))"
    up=$(e2e_shot player-up)
    xdotool mousemove --sync $((mx + mw / 18)) $((my + mh / 2)) mousedown 1
    sleep 0.4
    down=$(e2e_shot player-pressed)
    xdotool mouseup 1
    sleep 0.5
    changed=$(convert "$up" "$down" -crop "$crop" +repage -compose difference -composite -colorspace Gray \
      -threshold 0 -format '%[fx:round(mean*w*h)]' info: 2>/dev/null | tail -1)
    [ "$changed" -gt 20 ] || e2e_fail "the held play button does not look pressed ($changed pixels changed)"
    echo "ok: the held play button is drawn pressed ($changed pixels changed)"
    e2e_expect "a click on play arrives as play" "btPlay 1" "$(clicks)"
    tw_xclick $((mx + 7 * mw / 9 + mw / 18)) $((my + mh / 2))
    sleep 0.5
    e2e_expect "a click on the disabled record button arrives as none" "btPlay 1" "$(clicks)"
    tw_xclick $((mx + 3 * mw / 9 + mw / 18)) $((my + mh / 2))
    sleep 0.5
    e2e_expect "a click on next arrives as next" "btNext 2" "$(clicks)"
    tw_xclick $((fx + fw / 2)) $((fy + fh / 2))
    sleep 0.5
    e2e_expect "the middle of three shown buttons is stop" "btStop 3" "$(clicks)"
    tw_xclick $((fx + fw - 5)) $((fy + fh / 2))
    sleep 0.5
    e2e_expect "a click on the few player's disabled eject arrives as none" "btStop 3" "$(clicks)"
    e2e_expect "the player's buttons as published" "[btPlay,btStop,btEject]" \
      "$(tw_driver prop "${G[@]}" mpFew.VisibleButtons)"

    # The date picker's skinned arrow opens the calendar.
    read -r dw dh dx dy < <(split "$(box_of TDateTimePicker)")
    before=$(tw_driver tree --app TFrmGallery --class SysMonthCal32 2>/dev/null | grep -c SysMonthCal32 || true)
    tw_xclick $((dx + dw - 10)) $((dy + dh / 2))
    sleep 0.8
    e2e_shot spin-calendar >/dev/null
    e2e_expect "the calendar is open" True "$(tw_driver prop "${G[@]}" dtpDate.DroppedDown)"
    xdotool key Escape
    sleep 0.4
  fi
  e2e_close "${G[@]}"
  e2e_expect "skin $skin: exit code" 0 "$E2E_RC"
done
mkdir -p "$TW_BUILD/screenshots/spin"
cp "$E2E_OUT"/*.png "$TW_BUILD/screenshots/spin/"
echo "spin: screenshots in $E2E_OUT and $TW_BUILD/screenshots/spin"
e2e_pass
