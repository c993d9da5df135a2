#!/usr/bin/env bash
# Prints what the bench costs: template creation, bring-up cold and warm, a console test run,
# a GUI program's start to its window, one driver call, take-down. Not a test: figures only.
# usage: tests/wine/measure.sh BUILD-DIR   (a Windows build tree with twdriver and the smoke app)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/bench-lib.sh"
[ $# -eq 1 ] || { echo "usage: measure.sh BUILD-DIR" >&2; exit 2; }
# Its own bench and template cache: the test bench of the tree and the machine's template stay.
tw_paths "$1" wine-measure
TW_TEMPLATE_ROOT=$(mktemp -d /tmp/tw-measure-cache.XXXXXX)
trap 'tw_down quiet; rm -rf "$TW_TEMPLATE_ROOT" "$TW_BENCH"' EXIT

console=$TW_BUILD/tests/driver/driver_args_test.exe
app=$TW_BUILD/tests/wine/bench_smoke_app.exe
[ -f "$console" ] && [ -f "$app" ] && [ -f "$TW_BUILD/bin/twdriver.exe" ] \
  || tw_die "build driver_args_test, bench_smoke_app and twdriver in $TW_BUILD first"

now() { echo "$EPOCHREALTIME"; }
since() { awk "BEGIN{printf \"%.2f\", $(now) - $1}"; }
figure() { printf '%-58s %8s s\n' "$1" "$2"; }

t=$(now); tw_up >/dev/null 2>&1; figure "bring-up, no template on the machine (creates it)" "$(since "$t")"
t=$(now); tw_down quiet; figure "take-down" "$(since "$t")"
rm -rf "$TW_PREFIX"
t=$(now); tw_up >/dev/null 2>&1; figure "bring-up, template there, no prefix (copies it)" "$(since "$t")"
t=$(now); tw_up >/dev/null 2>&1; figure "bring-up again (resets the prefix)" "$(since "$t")"

tw_load_env
runs=10
t=$(now)
for _ in $(seq $runs); do TW_RUN_BUILD=$TW_BUILD "$here/wine-run.sh" "$console" >/dev/null 2>&1; done
figure "console test program through wine-run.sh (mean of $runs)" "$(awk "BEGIN{printf \"%.3f\", ($(now) - $t) / $runs}")"

for round in 1 2 3; do
  t=$(now)
  tw_start_app /dev/null "$app"
  tw_driver wait --class TwBenchSmoke --timeout 30000 >/dev/null
  figure "GUI program start to visible window, round $round" "$(since "$t")"
  t=$(now); tw_driver text --class TwBenchSmoke >/dev/null
  figure "one twdriver call (read a title), round $round" "$(since "$t")"
  tw_driver close --class TwBenchSmoke
  wait "$TW_APP_PID" || true
done
t=$(now); tw_shot "$TW_BENCH/measure.png"; figure "screenshot (with the 0.5 s settle)" "$(since "$t")"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
