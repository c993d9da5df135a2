#!/usr/bin/env bash
# Proves the bench: a small GUI program under Xvfb shows 12 px Chinese text (screenshot and
# pixel checks); twdriver finds its window, reads, clicks and closes it; a real mouse click
# through X reaches it; its exit code comes back.
# usage: tests/wine/smoke.sh <build>/tests/wine/bench_smoke_app.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"

e2e_init smoke "${1:?usage: smoke.sh bench_smoke_app.exe}"
W=(--class TwBenchSmoke)

t0=$EPOCHREALTIME
e2e_start
tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "window did not appear"
echo "smoke: window up in $(awk "BEGIN{printf \"%.2f\", $EPOCHREALTIME - $t0}") s"

e2e_expect "title" "Bench smoke 应用" "$(tw_driver text "${W[@]}")"
e2e_expect "count before the click" "已点击 0 次" "$(tw_driver text "${W[@]}" --id 101)"
tw_driver click "${W[@]}" --text 点击
e2e_wait_text "已点击 1 次" "${W[@]}" --id 101

tw_driver tree "${W[@]}" >"$E2E_OUT/tree.txt"
read -r cx cy < <(sed -n '1s/.* client=\([0-9-]*\),\([0-9-]*\),.*/\1 \2/p' "$E2E_OUT/tree.txt")
[ -n "${cy:-}" ] || e2e_fail "no client origin in the tree listing"
shot=$(e2e_shot smoke)
echo "smoke: screenshot $shot (client area at $cx,$cy)"

# "立即转换" is painted at client (20,20): four 12 px cells in a 16 px line.
x=$((cx + 20)); y=$((cy + 20))
dark=$(tw_dark_pixels "$shot" "48x16+$x+$y")
blank=$(tw_dark_pixels "$shot" "48x16+$x+$((y + 40))")
echo "smoke: dark pixels: text $dark, blank area $blank"
[ "$dark" -ge 40 ] || e2e_fail "too few text pixels ($dark) where the text is painted"
[ "$blank" -eq 0 ] || e2e_fail "dark pixels ($blank) where nothing is painted"
# Four different glyphs, not four copies of a missing-glyph box.
sigs=$(for i in 0 1 2 3; do
  convert "$shot" -crop "12x16+$((x + 12 * i))+$y" +repage -colorspace Gray -threshold 60% -format '%#\n' info:
done | sort -u | wc -l)
e2e_expect "four distinct glyphs" 4 "$sigs"

# A real mouse click through X on the button's centre, from the tree's screen rectangle.
read -r bx by bw bh < <(sed -n 's/.* Button id=100 .* screen=\([0-9]*\),\([0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/p' "$E2E_OUT/tree.txt")
[ -n "${bh:-}" ] || e2e_fail "no button in the tree listing"
tw_xclick $((bx + bw / 2)) $((by + bh / 2))
e2e_wait_text "已点击 2 次" "${W[@]}" --id 101

e2e_close "${W[@]}"
e2e_expect "exit code passed on (the click count)" 2 "$E2E_RC"
e2e_pass
