#!/usr/bin/env bash
# Proves the bench: a small GUI program under Xvfb shows 12 px Chinese text (screenshot and
# pixel checks), and twdriver finds its window, reads and clicks, and closes it.
# usage: tests/wine/smoke.sh <build>/tests/wine/bench_smoke_app.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/bench-lib.sh"

app=${1:?usage: smoke.sh bench_smoke_app.exe}
build=${TARNWICK_BUILD:-$(tw_find_build "$app")}
tw_paths "$build"
tw_load_env || { tw_say "bench not up; bringing it up"; ( tw_up ) </dev/null >/dev/null; tw_load_env; }
[ -f "$TW_BUILD/bin/twdriver.exe" ] || tw_die "build twdriver first"

out=$TW_BENCH/smoke
rm -rf "$out"; mkdir -p "$out"
fail() { echo "smoke: FAIL: $*" >&2; exit 1; }

tw_start_app "$out/app.log" "$app"
cleanup() { kill "$TW_APP_PID" 2>/dev/null || true; }
trap cleanup EXIT

t0=$(date +%s.%N)
tw_driver wait --class TwBenchSmoke --timeout 30000 >"$out/wait.txt" || fail "window did not appear"
t1=$(date +%s.%N)
echo "smoke: window up in $(awk "BEGIN{printf \"%.2f\", $t1 - $t0}") s"

title=$(tw_driver text --class TwBenchSmoke)
[ "$title" = "Bench smoke 应用" ] || fail "title read back as '$title'"

count() { tw_driver text --class TwBenchSmoke --id 101; }
[ "$(count)" = "已点击 0 次" ] || fail "count text read back as '$(count)'"
tw_driver click --class TwBenchSmoke --text 点击
for _ in $(seq 50); do [ "$(count)" = "已点击 1 次" ] && break; sleep 0.1; done
[ "$(count)" = "已点击 1 次" ] || fail "the click did not register: '$(count)'"

tw_driver tree --class TwBenchSmoke >"$out/tree.txt"
client=$(sed -n '1s/.* client=\([0-9-]*\),\([0-9-]*\),.*/\1 \2/p' "$out/tree.txt")
[ -n "$client" ] || fail "no client origin in the tree listing"
read -r cx cy <<<"$client"
tw_shot "$out/smoke.png"
echo "smoke: screenshot $out/smoke.png (client at $cx,$cy)"

# The text "立即转换" is painted at client (20,20), four 12 px cells in a 16 px line.
x=$((cx + 20)); y=$((cy + 20))
dark=$(tw_dark_pixels "$out/smoke.png" "48x16+$x+$y")
blank=$(tw_dark_pixels "$out/smoke.png" "48x16+$x+$((y + 40))")
echo "smoke: dark pixels: text $dark, blank area $blank"
[ "$dark" -ge 40 ] || fail "too few text pixels ($dark) where the text is painted"
[ "$blank" -eq 0 ] || fail "dark pixels ($blank) where nothing is painted"
# Four different glyphs, not four copies of a missing-glyph box.
sigs=$(for i in 0 1 2 3; do
  convert "$out/smoke.png" -crop "12x16+$((x + 12 * i))+$y" +repage -colorspace Gray -threshold 60% -format '%#\n' info:
done | sort -u | wc -l)
[ "$sigs" -eq 4 ] || fail "the four characters do not look different ($sigs distinct): missing font?"

tw_driver close --class TwBenchSmoke
trap - EXIT
set +e
wait "$TW_APP_PID"; rc=$?
set -e
[ "$rc" -eq 1 ] || fail "the program exited with $rc, expected 1 (its click count)"
echo "smoke: passed"
