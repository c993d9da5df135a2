#!/usr/bin/env bash
# Runs every built fuzz target for a bounded time on a scratch copy of its checked-in seeds.
# usage: run-all.sh <fuzz-build-dir> <seconds-per-target>
# Exits non-zero when a target finds a crash, leak, timeout or sanitizer report (the
# reproducer is kept under <fuzz-build-dir>/fuzz-findings/<target>/), or when nothing is built.
set -u
build=${1:?usage: run-all.sh <fuzz-build-dir> <seconds-per-target>}
seconds=${2:?usage: run-all.sh <fuzz-build-dir> <seconds-per-target>}
here=$(cd "$(dirname "$0")" && pwd)
targets_dir="$build/tools/fuzz"
if [ ! -d "$targets_dir" ]; then
    echo "run-all: no fuzz targets in $targets_dir (configure and build the \"fuzz\" preset first)" >&2
    exit 2
fi
status=0
found=0
for target in "$targets_dir"/*_fuzz; do
    [ -x "$target" ] || continue
    found=1
    name=$(basename "$target")
    corpus=$(mktemp -d)
    findings="$build/fuzz-findings/$name"
    mkdir -p "$findings"
    [ -d "$here/seeds/$name" ] && cp -r "$here/seeds/$name/." "$corpus/"
    echo "=== $name: ${seconds}s"
    if "$target" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$findings/" -print_final_stats=1 >"$findings/log.txt" 2>&1; then
        grep -E "stat::number_of_executed_units|stat::new_units_added" "$findings/log.txt" | tr '\n' ' '
        echo
    else
        echo "run-all: $name found a fault; see $findings/log.txt" >&2
        tail -n 30 "$findings/log.txt" >&2
        status=1
    fi
    rm -rf "$corpus"
done
if [ "$found" -eq 0 ]; then
    echo "run-all: no *_fuzz executables in $targets_dir" >&2
    exit 2
fi
exit $status
