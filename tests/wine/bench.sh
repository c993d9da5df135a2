#!/usr/bin/env bash
# The Wine test bench of a build tree, by hand or from scripts.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/bench-lib.sh"

usage() {
  cat <<'TXT'
usage: tests/wine/bench.sh COMMAND [--build DIR] [ARGS]

  up [--display D] [--fresh]
                     prefix reset to the template's state (--fresh: copied anew), own Xvfb
                     (or display D), prewarmed wineserver, env file
  down               stop the prefix's Wine processes and the bench's Xvfb
  status             say whether the bench is up; exit 1 when it is not
  env                print the env file's path (source it to use the bench's Wine)
  shot FILE          screenshot of the bench's display into FILE
  run EXE [ARGS]     run a Windows program inside the bench (brings the bench up if needed)
  click X Y          a real mouse click at screen point X,Y of the bench's display
  keys KEY...        real key presses (xdotool names: Return, ctrl+a, BackSpace)

The build tree is --build DIR, else $TARNWICK_BUILD, else the nearest folder above the current
one that holds a CMakeCache.txt. The bench lives in <build>/wine-bench/.
TXT
}

[ $# -ge 1 ] || { usage >&2; exit 2; }
cmd=$1; shift
build=${TARNWICK_BUILD:-}
display=""
args=()
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    --display) display=$2; shift 2 ;;
    --fresh) export TW_FRESH=1; shift ;;
    *) args+=("$1"); shift ;;
  esac
done
if [ -z "$build" ]; then
  build=$(tw_find_build "$PWD") || tw_die "not inside a build tree: pass --build DIR"
fi
tw_paths "$build"

case $cmd in
  up) tw_up "$display" ;;
  down) tw_down ;;
  status)
    if tw_load_env; then echo "up: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"; else echo "down"; exit 1; fi ;;
  env) tw_load_env || tw_die "not up: run tests/wine/bench.sh up --build $TW_BUILD"; echo "$TW_ENV" ;;
  shot)
    [ ${#args[@]} -eq 1 ] || tw_die "shot needs one file name"
    tw_load_env || tw_die "not up: run tests/wine/bench.sh up --build $TW_BUILD"
    tw_shot "${args[0]}"; echo "${args[0]}" ;;
  click|keys)
    tw_load_env || tw_die "not up: run tests/wine/bench.sh up --build $TW_BUILD"
    if [ "$cmd" = click ]; then
      [ ${#args[@]} -eq 2 ] || tw_die "click needs X and Y"
      tw_xclick "${args[0]}" "${args[1]}"
    else
      tw_xkeys "${args[@]}"
    fi ;;
  run)
    [ ${#args[@]} -ge 1 ] || tw_die "run needs a program"
    TW_RUN_BUILD=$TW_BUILD exec "$here/wine-run.sh" "${args[@]}" ;;
  -h|--help|help) usage ;;
  *) usage >&2; exit 2 ;;
esac
