#!/usr/bin/env bash
# Runs every built fuzz target on its checked-in regression inputs, then for a bounded time on a
# scratch copy of its checked-in seeds.
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
    # Inputs that once found a fault run first, once each and whole; mutation alone may take
    # far longer than one bounded run to build them again.
    regressions="$here/regressions/$name"
    if [ -d "$regressions" ] && ! "$target" -timeout=60 -rss_limit_mb=2048 "$regressions"/* \
            >"$findings/regressions.txt" 2>&1; then
        echo "run-all: $name fails on an input in $regressions; see $findings/regressions.txt" >&2
        tail -n 30 "$findings/regressions.txt" >&2
        status=1
        rm -rf "$corpus"
        continue
    fi
    # The longest input a target may build, from a line of its source ("// fuzz-max-len: N");
    # without one libFuzzer keeps inputs near the seeds' size.
    max_len=$(sed -n 's|^// fuzz-max-len:[[:space:]]*\([0-9][0-9]*\).*|\1|p' "$here/$name.cpp" 2>/dev/null | head -n 1)
    limit=()
    [ -n "$max_len" ] && limit=(-max_len="$max_len")
    echo "=== $name: ${seconds}s, longest input ${max_len:-as libFuzzer guesses}"
    if "$target" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "${limit[@]}" \
            -artifact_prefix="$findings/" -print_final_stats=1 >"$findings/log.txt" 2>&1; then
        # Executions, new inputs kept, and the last coverage line (edges, features).
        { grep -E "stat::number_of_executed_units|stat::new_units_added" "$findings/log.txt"
          grep -oE "cov: [0-9]+ ft: [0-9]+" "$findings/log.txt" | tail -n 1; } | tr '\n' ' '
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
