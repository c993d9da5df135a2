#!/usr/bin/env bash
# Sets the machine up, builds every preset and runs every test. CI runs exactly this.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup/setup.sh
jobs=$(nproc)
# Compiler caches hit across clones of the tree (CI builds a fresh clone every time).
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
start=$(date +%s)
stamp() { echo "=== $1 ($(( $(date +%s) - start )) s since start)"; }
status=0
stamp "layout check (clang-format)"
bash tools/check-format.sh || status=1
for preset in native native-asan win64 win32 fuzz; do
  stamp "build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done
for preset in native native-asan win64; do
  stamp "test $preset"
  ctest --preset "$preset" -j "$jobs" || status=1
done
stamp "fuzz (every target, bounded)"
bash tools/fuzz/run-all.sh build/fuzz 60 || status=1
stamp "import check of the shipped programs"
bash tools/check-imports.sh build/win32 || status=1
stamp "done, status $status"
exit $status
