#!/usr/bin/env bash
# The gallery's frame under each built-in skin, switched while it runs: the frame is the skin's
# own border widths around the same client, the window region is shaped for a skin whose borders
# are transparent and a plain rectangle for one whose borders are not, and the frame holds no
# system colour. No frame of a film of the switches shows the system's caption or border.
# Skinning off gives the window its own frame around the same client and takes the region away;
# on again, the skin's frame is back.
# usage: tests/gallery/frames.sh <build>/bin/SkinGallery.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

e2e_init gallery-frames "${1:?usage: frames.sh SkinGallery.exe}"
G=(--class TFrmGallery)
LABELS=("Linen Classic" "Graphite" "Azure Glass" "Walnut" "Slate Flat")

field() { sed "s/.* $1=\([^ ]*\).*/\1/" <<<" $2"; }
# settled PREDICATE...: waits up to 5 s until the command succeeds.
settled() {
  local i
  for i in $(seq 50); do "$@" && return 0; sleep 0.1; done
  return 1
}
title_ends_with() { [[ "$(tw_driver text "${G[@]}")" == *"$1" ]]; }
frame_is() { [ "$(field frame "$(tw_driver rects "${G[@]}")")" = "$1" ]; }
skin_query_is() { [ "$(tw_driver send "${G[@]}" $SKM_QUERY 2>/dev/null | cut -d' ' -f1)" = "$1" ]; }

e2e_start --skin 0
tw_driver wait "${G[@]}" --timeout 30000 >/dev/null || e2e_fail "the gallery window did not appear"
settled skin_query_is 1 || e2e_fail "the gallery was not skinned"
client=$(field client "$(tw_driver rects "${G[@]}")" | sed 's/^[-0-9]*,[-0-9]*,//')

film_start "$E2E_OUT/switches.nut" 12
for i in 1 2 3 4 0; do
  read -r left top right bottom transparent < <(skin_frame_of $i)
  tw_driver select "${G[@]}" --cclass TComboBox --nth 1 "${LABELS[$i]}" >/dev/null
  settled title_ends_with "${LABELS[$i]}" || e2e_fail "the gallery did not switch to ${LABELS[$i]}"
  settled frame_is "$left,$top,$right,$bottom" || e2e_fail "skin $i: frame $(tw_driver rects "${G[@]}")"
  rects=$(tw_driver rects "${G[@]}")
  e2e_expect "skin $i: client" "$client" "$(field client "$rects" | sed 's/^[-0-9]*,[-0-9]*,//')"
  region=$(tw_driver region "${G[@]}" | head -1)
  if [ "$transparent" -gt 0 ]; then wanted=complex; else wanted=simple; fi
  e2e_expect "skin $i: region" "$wanted" "$(field type "$region")"
  sleep 0.3
  e2e_expect "skin $i: system colours in the frame" 0 \
    "$(frame_signature_pixels "$(e2e_shot "skin$i")" "$(tw_driver rects "${G[@]}")")"
done
film_wait
read -r frames flashes < <(film_frames_with_system_frame "$E2E_OUT/switches.nut")
echo "film of the switches: $frames frames, $flashes with the system's caption or border colours"
[ "$frames" -ge 100 ] || e2e_fail "the film of the switches holds only $frames frames"
e2e_expect "film frames with a system frame" 0 "$flashes"

# Off: the system frame around the same client, no region; on again: the skin's frame.
read -r left top right bottom _ < <(skin_frame_of 0)
tw_driver click "${G[@]}" --text Skinning >/dev/null
settled title_ends_with "skinning off" || e2e_fail "skinning did not go off"
settled eval '! frame_is "$left,$top,$right,$bottom"' || e2e_fail "the skin's frame stayed with skinning off"
rects=$(tw_driver rects "${G[@]}")
e2e_expect "skinning off: client" "$client" "$(field client "$rects" | sed 's/^[-0-9]*,[-0-9]*,//')"
e2e_expect "skinning off: region" none "$(field type "$(tw_driver region "${G[@]}" | head -1)")"
e2e_expect "skinning off: skin query" 0 "$(tw_driver send "${G[@]}" $SKM_QUERY | cut -d' ' -f1)"
tw_driver click "${G[@]}" --text Skinning >/dev/null
settled frame_is "$left,$top,$right,$bottom" || e2e_fail "the skin's frame did not come back: $(tw_driver rects "${G[@]}")"
e2e_expect "skinning on again: client" "$client" \
  "$(field client "$(tw_driver rects "${G[@]}")" | sed 's/^[-0-9]*,[-0-9]*,//')"

e2e_close "${G[@]}"
e2e_expect "exit code" 0 "$E2E_RC"
e2e_pass
