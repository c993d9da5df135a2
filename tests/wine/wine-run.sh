#!/usr/bin/env bash
# Runs a Windows program inside the Wine bench of its build tree and passes its exit code on.
# ctest runs every Windows test through this; it also works by hand (the bench comes up if needed).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/bench-lib.sh"

if [ $# -lt 1 ] || [ "$1" = "-h" ] || [ "$1" = "--help" ]; then
  echo "usage: tests/wine/wine-run.sh PROGRAM.exe [ARGS...]" >&2
  exit 2
fi
exe=$1; shift
[ -f "$exe" ] || tw_die "no program $exe"

build=${TW_RUN_BUILD:-}
[ -n "$build" ] || build=$(tw_find_build "$exe") || build=${TARNWICK_BUILD:-}
[ -n "$build" ] || build=$(tw_find_build "$PWD") \
  || tw_die "$exe is in no build tree: set TARNWICK_BUILD to one"
tw_paths "$build"

if ! tw_load_env; then
  # By hand, or a test run without its fixture: bring the bench up. It stays up for the next
  # runs; tests/wine/bench.sh down --build DIR stops it.
  tw_say "not up for $TW_BUILD; bringing it up (stop it with: tests/wine/bench.sh down --build $TW_BUILD)"
  ( tw_up ) </dev/null >/dev/null
  tw_load_env || tw_die "the bench did not come up"
fi

# A wineserver of this prefix is running (persistent, stdio detached) unless someone stopped
# it: then start it and its services again the same way, rather than let this program's
# wine64 start them holding our pipes. (A second server refuses to start: exit status 2.)
if ( tw_close_fds; exec "$TW_WINESERVER" -p </dev/null >/dev/null 2>&1 ); then
  tw_prewarm
fi

tw_close_fds
# A program Wine could not even start (its loader found the shared user data's address taken)
# printed nothing and ran nothing: it is started again, twice at most.
err=$(mktemp)
trap 'rm -f "$err"' EXIT
for attempt in 1 2 3; do
  set +e
  "$TW_WINE64" "$exe" "$@" </dev/null 2> >(tee "$err" >&2)
  status=$?
  set -e
  wait
  [ "$status" -ne 0 ] && grep -q "failed to map the shared user data" "$err" \
    && [ "$(grep -cv 'shared user data\|^wine: ' "$err")" -eq 0 ] || exit "$status"
  echo "wine-run: Wine could not start $exe (attempt $attempt), again" >&2
done
exit "$status"
