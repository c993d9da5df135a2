#!/usr/bin/env bash
# The gallery's Spin page under Wine. Under each built-in skin every up-down, date picker, spin
# edit and status bar of the page answers the skin query with 1 and shows no pixel in the
# bench's signature colours (the system's face, shadow and light). Under the real mouse a click
# on the upper arrow of the buddy up-down steps its edit from 5 to 6 and the lower one back;
# a click on the date picker's skinned arrow opens its calendar (a pop-up window appears);
# the status bar's panels hold their texts and show dark text pixels in each panel.
# usage: tests/controls/spin_e2e.sh <build>/bin/SkinGallery.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

e2e_init spin "${1:?usage: spin_e2e.sh SkinGallery.exe}"
G=(--class TFrmGallery)
PATTERN='\(TUpDown\|TDateTimePicker\|TStatusBar\)[^ ]*'

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
  [ "$count" -ge 7 ] || e2e_fail "skin $skin: only $count controls of the page found"
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
echo "spin: screenshots in $E2E_OUT"
e2e_pass
