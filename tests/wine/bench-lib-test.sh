#!/usr/bin/env bash
# The bench's shell logic that needs no Wine: build-tree lookup, prefix refresh, process checks.
set -uo pipefail
. "$(cd "$(dirname "$0")" && pwd)/bench-lib.sh"

passed=0 failed=0
check() {   # check WHAT COMMAND...
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what" >&2; fi
}
refute() {   # refute WHAT COMMAND...: the command must fail
  local what=$1; shift
  if "$@"; then failed=$((failed + 1)); echo "FAILED: $what" >&2; else passed=$((passed + 1)); fi
}
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT

# Build-tree lookup: from a file deep inside, from the tree itself, and outside any tree.
mkdir -p "$t/build/tests/x" "$t/elsewhere"
touch "$t/build/CMakeCache.txt" "$t/build/tests/x/a.exe"
check "lookup from a program inside the tree" [ "$(tw_find_build "$t/build/tests/x/a.exe")" = "$t/build" ]
check "lookup from the tree itself" [ "$(tw_find_build "$t/build")" = "$t/build" ]
refute "no tree above" tw_find_build "$t/elsewhere/b.exe"
tw_paths "$t/build" wine-session
check "named bench" [ "$TW_PREFIX" = "$t/build/wine-session/prefix" ]

# Refresh: a prefix of the same template gets registry and user folders back and loses what a
# run added to C:; a prefix of another template is copied anew.
TW_TEMPLATE=$t/template
mkdir -p "$TW_TEMPLATE/drive_c/windows/temp" "$TW_TEMPLATE/drive_c/users/u/Temp" "$TW_TEMPLATE/drive_c/windows/system32"
echo reg-template >"$TW_TEMPLATE/user.reg"
echo dll >"$TW_TEMPLATE/drive_c/windows/system32/k.dll"
echo 1 >"$TW_TEMPLATE/.tw-ready"
tw_refresh_prefix
check "first refresh copies the template" cmp -s "$TW_TEMPLATE/user.reg" "$TW_PREFIX/user.reg"
echo changed >"$TW_PREFIX/user.reg"
mkdir -p "$TW_PREFIX/drive_c/out"; touch "$TW_PREFIX/drive_c/users/u/Temp/left" "$TW_PREFIX/drive_c/windows/temp/t"
touch "$TW_PREFIX/drive_c/windows/system32/marker"   # shows whether system32 was copied again
tw_refresh_prefix
check "registry restored" [ "$(cat "$TW_PREFIX/user.reg")" = reg-template ]
check "folders added to C: removed" [ ! -e "$TW_PREFIX/drive_c/out" ]
check "user temp files removed" [ ! -e "$TW_PREFIX/drive_c/users/u/Temp/left" ]
check "windows temp files removed" [ ! -e "$TW_PREFIX/drive_c/windows/temp/t" ]
check "system folders kept, not copied again" [ -e "$TW_PREFIX/drive_c/windows/system32/marker" ]
echo 2 >"$TW_TEMPLATE/.tw-ready"
tw_refresh_prefix
check "a new template replaces the prefix" [ ! -e "$TW_PREFIX/drive_c/windows/system32/marker" ]
check "and stamps it" [ "$(cat "$TW_PREFIX/.tw-ready")" = 2 ]
touch "$TW_PREFIX/drive_c/windows/system32/marker"
TW_FRESH=1 tw_refresh_prefix
check "TW_FRESH copies anew" [ ! -e "$TW_PREFIX/drive_c/windows/system32/marker" ]

# Process checks: only a live Xvfb counts, whatever else runs under that id.
sleep 30 & sleeper=$!
check "a live process runs" tw_running "$sleeper"
refute "a live non-Xvfb is not Xvfb" tw_xvfb_alive "$sleeper"
kill "$sleeper"; wait "$sleeper" 2>/dev/null
refute "a gone process does not run" tw_running "$sleeper"
refute "an empty id is no Xvfb" tw_xvfb_alive ""

# Closing descriptors: a daemon started after tw_close_fds holds none of ours.
exec 7>"$t/held"
open=$( tw_close_fds; ls /proc/self/fd | grep -cx 7 )
check "descriptor 7 closed for the daemon" [ "$open" = 0 ]
exec 7>&-

# Signature pixels: every signature colour counts, a colour one step off does not, and an area
# counts only what lies inside it (an area off the picture holds none).
convert -size 100x50 xc:'rgb(250,240,2)' -fill 'rgb(2,240,240)' -draw 'rectangle 0,0 9,9' \
  -fill 'rgb(251,240,2)' -draw 'rectangle 20,20 29,29' -fill 'rgb(253,2,2)' -draw 'point 99,49' "$t/sig.png"
for row in "|4900" "50x20+5+5|950" "1000x1000+90+40|100" "10x10+2000+2000|0"; do
  check "signature pixels in [${row%|*}]" [ "$(tw_signature_pixels "$t/sig.png" "${row%|*}" 2>/dev/null)" = "${row#*|}" ]
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
