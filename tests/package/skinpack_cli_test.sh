#!/usr/bin/env bash
# End-to-end check of the skinpack command line: pack, list, extract, expand, compress, errors.
# usage: skinpack_cli_test.sh <command that runs skinpack...> (e.g. a path, or wine-run.sh skinpack.exe)
set -u -o pipefail
runner=("$@")
skinpack() { "${runner[@]}" "$@"; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$work/skin"
printf '[Form]\r\nImage=frame.bmp\r\n' >"$work/skin/Skin.INI"
head -c 30000 /dev/urandom >"$work/skin/b.bmp"
yes 'BM ffffff 00ff00 magenta' | head -c 50000 >"$work/skin/a.bmp"
echo ignored >"$work/skin/notes.txt"

skinpack pack "$work/skin" "$work/skin.pkg" || fail "pack"
listing=$(skinpack list "$work/skin.pkg" | tr -d "\r") || fail "list"
expected=$(printf '20000\nskin.ini\t25\na.bmp\t50000\nb.bmp\t30000')
[ "$listing" = "$expected" ] || fail "list printed: $listing"

skinpack extract "$work/skin.pkg" "$work/out" || fail "extract"
cmp "$work/skin/a.bmp" "$work/out/a.bmp" || fail "a.bmp differs"
cmp "$work/skin/b.bmp" "$work/out/b.bmp" || fail "b.bmp differs"
cmp "$work/skin/Skin.INI" "$work/out/skin.ini" || fail "ini differs"

skinpack expand "$work/skin.pkg" "$work/archive" || fail "expand"
[ "$(head -c 4 "$work/archive" | od -An -tu4 | tr -d ' ')" = 20000 ] || fail "archive version"

skinpack compress "$work/skin/b.bmp" "$work/b.lzh" || fail "compress"
skinpack expand "$work/b.lzh" "$work/b.back" || fail "expand of compress"
cmp "$work/skin/b.bmp" "$work/b.back" || fail "compress round trip"

# Failures: non-zero exit and exactly one line of reason on stderr (a Wine run may add its own
# diagnostics, which do not start with "skinpack:").
expect_failure() {
    if skinpack "$@" 2>"$work/err" >/dev/null; then fail "succeeded: $*"; fi
    [ "$(grep -c '^skinpack: ' "$work/err")" -eq 1 ] || fail "not one line for: $* ($(cat "$work/err"))"
    [ "$(grep -vc '^\(skinpack: \|[0-9a-f]*:err:\|wine: \)' "$work/err")" -eq 0 ] || fail "more than a line for: $*"
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
