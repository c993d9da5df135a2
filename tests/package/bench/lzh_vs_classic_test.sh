#!/usr/bin/env bash
# The benchmark's refusals: a missing, empty or sizeless input ends it at once with a message
# that names the file and exit code 1 (a missing package once made "repeat" loop for ever);
# "repeat" without its package is a usage error (2).
# usage: lzh_vs_classic_test.sh path/to/lzh_vs_classic
set -uo pipefail
bench=${1:?usage: lzh_vs_classic_test.sh lzh_vs_classic}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: >"$work/empty"
printf '\0\0\0\0coded' >"$work/sizeless"
failed=0
# expect WANTED-CODE WANTED-TEXT ARGS...
expect() {
  local code=$1 text=$2 got out
  shift 2
  out=$(timeout 10 "$bench" "$@" 2>&1)
  got=$?
  if [ "$got" != "$code" ] || ! grep -qF -- "$text" <<<"$out"; then
    echo "FAIL: $*: wanted $code and [$text], got $got and [$out]"
    failed=1
  else
    echo "ok: $*: $code"
  fi
}
expect 1 "$work/missing.skn is missing" repeat "$work/out" "$work/missing.skn"
expect 1 "$work/empty is missing" repeat "$work/out" "$work/empty"
expect 1 "$work/sizeless is missing" repeat "$work/out" "$work/sizeless"
expect 1 "$work/missing is missing" time "$work/missing"
expect 1 "$work/empty is missing" ours "$work/empty"
expect 2 "usage:" repeat "$work/out"
[ ! -e "$work/out" ] || { echo "FAIL: a refused run wrote $work/out"; failed=1; }
exit $failed
