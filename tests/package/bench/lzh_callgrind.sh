#!/usr/bin/env bash
# Instructions per expanded byte of our expander and of the classic decoder, by callgrind,
# on the varied 8 MiB skin-like data. Usage: lzh_callgrind.sh path/to/lzh_vs_classic [extra files]
set -euo pipefail
bench=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bench" write "$work/coded" "$@"
size=$(od -An -tu4 -N4 "$work/coded" | tr -d ' ')
measure() {
    valgrind --tool=callgrind --callgrind-out-file="$work/$1.out" --toggle-collect="*ExpandOurs*" \
        --toggle-collect="*ExpandClassic*" "$bench" "$1" "$work/coded" >/dev/null 2>&1
    callgrind_annotate "$work/$1.out" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }'
}
ours=$(measure ours)
plain=$(measure classic)
awk -v o="$ours" -v c="$plain" -v n="$size" 'BEGIN {
    printf "%d bytes expanded: ours %.1f instructions/byte, classic %.1f instructions/byte, classic/ours x%.2f\n",
        n, o / n, c / n, c / o }'
