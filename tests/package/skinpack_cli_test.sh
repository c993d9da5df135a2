#!/usr/bin/env bash
# End-to-end check of the skinpack command line: pack, list, extract, expand, compress, errors.
set -u -o pipefail
skinpack=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$work/skin"
printf '[Form]\r\nImage=frame.bmp\r\n' >"$work/skin/Skin.INI"
head -c 30000 /dev/urandom >"$work/skin/b.bmp"
yes 'BM ffffff 00ff00 magenta' | head -c 50000 >"$work/skin/a.bmp"
echo ignored >"$work/skin/notes.txt"

"$skinpack" pack "$work/skin" "$work/skin.pkg" || fail "pack"
listing=$("$skinpack" list "$work/skin.pkg" | tr -d "\r") || fail "list"
expected=$(printf '20000\nskin.ini\t25\na.bmp\t50000\nb.bmp\t30000')
[ "$listing" = "$expected" ] || fail "list printed: $listing"

"$skinpack" extract "$work/skin.pkg" "$work/out" || fail "extract"
cmp "$work/skin/a.bmp" "$work/out/a.bmp" || fail "a.bmp differs"
cmp "$work/skin/b.bmp" "$work/out/b.bmp" || fail "b.bmp differs"
cmp "$work/skin/Skin.INI" "$work/out/skin.ini" || fail "ini differs"

"$skinpack" expand "$work/skin.pkg" "$work/archive" || fail "expand"
[ "$(head -c 4 "$work/archive" | od -An -tu4 | tr -d ' ')" = 20000 ] || fail "archive version"

"$skinpack" compress "$work/skin/b.bmp" "$work/b.lzh" || fail "compress"
"$skinpack" expand "$work/b.lzh" "$work/b.back" || fail "expand of compress"
cmp "$work/skin/b.bmp" "$work/b.back" || fail "compress round trip"

# Failures: non-zero exit and exactly one line on stderr.
expect_failure() {
    local err
    if "$skinpack" "$@" 2>"$work/err" >/dev/null; then fail "succeeded: $*"; fi
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "not one line for: $* ($(cat "$work/err"))"
}
expect_failure
expect_failure frobnicate x
expect_failure list
expect_failure list "$work/missing.pkg"
expect_failure list "$work/skin/b.bmp"
mkdir -p "$work/two"; touch "$work/two/a.ini" "$work/two/b.ini"
expect_failure pack "$work/two" "$work/two.pkg"
expect_failure pack "$work/nofolder" "$work/x.pkg"
printf 'abc' >"$work/tiny"; expect_failure expand "$work/tiny" "$work/tiny.out"
expect_failure list "$work/tiny"
expect_failure extract "$work/skin/b.bmp" "$work/never"
[ ! -e "$work/never" ] || fail "extract of a bad package created its folder"
echo "skinpack CLI: all checks passed"
