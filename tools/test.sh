#!/usr/bin/env bash
# Sets the machine up, builds every preset and runs every test. CI runs exactly this.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup/setup.sh
jobs=$(nproc)
status=0
for preset in native native-asan win64 win32 fuzz; do
  echo "=== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done
for preset in native native-asan win64; do
  echo "=== test $preset"
  ctest --preset "$preset" -j "$jobs" || status=1
done
if [ -x tools/fuzz/run-all.sh ]; then
  echo "=== fuzz (bounded)"
  bash tools/fuzz/run-all.sh build/fuzz 60 || status=1
fi
echo "=== import check of the shipped program"
bash tools/check-imports.sh build/win32 || status=1
exit $status
