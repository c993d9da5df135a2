#!/usr/bin/env bash
# Checks that every C and C++ file git tracks is laid out as .clang-format says, with Debian 12's
# clang-format (version 14: other versions lay some constructs out differently). Prints each file
# that differs with the first lines of its difference and fails when any does; changes nothing.
# usage: tools/check-format.sh [FILE...]    (no files: every tracked one)
set -euo pipefail
cd "$(dirname "$0")/.."

format=""
for candidate in clang-format-14 clang-format; do
  if command -v "$candidate" >/dev/null && "$candidate" --version | grep -q 'version 14\.'; then
    format=$candidate
    break
  fi
done
[ -n "$format" ] || { echo "check-format: clang-format 14 is needed (apt-get install -y clang-format)" >&2; exit 2; }

# Nothing generated or from elsewhere is tracked today; these names keep it so if it ever is.
skip='(^|/)(third_party[^/]*|build[^/]*|generated)/|\.generated\.'
if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files -- '*.c' '*.cc' '*.cpp' '*.cxx' '*.h' '*.hh' '*.hpp' '*.inl' | grep -Ev "$skip")
fi
[ ${#files[@]} -gt 0 ] || { echo "check-format: no files to check" >&2; exit 2; }

difference=$(mktemp)
trap 'rm -f "$difference"' EXIT
bad=0
for file in "${files[@]}"; do
  if ! "$format" --style=file "$file" | diff -u --label "$file" --label "$file (formatted)" "$file" - >"$difference"; then
    bad=$((bad + 1))
    echo "check-format: $file differs:"
    head -20 "$difference"
  fi
done
if [ $bad -gt 0 ]; then
  echo "check-format: $bad of ${#files[@]} files differ from .clang-format ($format); run $format -i on them" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files as .clang-format says ($format)"
