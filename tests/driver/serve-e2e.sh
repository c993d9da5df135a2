#!/usr/bin/env bash
# twdriver --serve under Wine: its framing byte for byte, and served calls answering as the
# one-shot driver does (texts, errors, statuses), all from one server process.
# usage: tests/driver/serve-e2e.sh <build>/tests/driver/twdriver_target.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
export TW_DRIVER_SERVE=1

e2e_init driver-serve "${1:?usage: serve-e2e.sh twdriver_target.exe}"
W=(--class TwDriverTarget)

# The framing as the server sees it: a blank, Chinese, a backslash and an empty argument, an
# unknown command, a line that is no request; answers counted in bytes.
raw=$(printf '\x1fregion\x1f--hwnd\x1f0x1\x1f中 文\\x\n\x1fregion\x1f--hwnd\x1f0x1\x1f1,1\x1f\n\x1ffrobnicate\nno request\nquit\n' |
  "$TW_WINE64" "$TW_BUILD/bin/twdriver.exe" --serve 2>/dev/null; echo .)
want=$'twdriver serving\n'
frame() { want+="$1 $(printf %s "$2" | wc -c) $(printf %s "$3" | wc -c)"$'\n'"$2$3"; }
frame 2 "" "twdriver: region: a point is X,Y, not '中 文\x'"$'\n'
frame 2 "" "twdriver: region: a point is X,Y, not ''"$'\n'
frame 2 "" $'twdriver: unknown command frobnicate (see --help)\n'
frame 2 "" $'twdriver: --serve: a request is its arguments, each after a 0x1F byte, then a line feed\n'
want+=.
e2e_expect "raw answers" "$want" "$raw"

e2e_start
tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "no target window"
read -r server <"$TW_BENCH/driver.$$/pid"

# answer ARGS: stdout, stderr and status of one call, as one text.
answer() {
  local out status
  out=$(tw_driver "$@" 2>"$E2E_OUT/err") && status=0 || status=$?
  printf '%s\n--stderr--\n%s\n--status %s--' "$out" "$(cat "$E2E_OUT/err")" "$status"
}
tw_driver settext "${W[@]}" --id 201 'a b 中文 Z:\输出 目录\ "q"'
cases=(
  "text ${W[*]} --id 201"
  "tree ${W[*]}"
  "list ${W[*]}"
  "state ${W[*]} --id 203"
  "text ${W[*]} --id 4242 --timeout 200"
  "frobnicate"
  "--help"
)
for c in "${cases[@]}"; do
  read -r -a args <<<"$c"
  e2e_expect "served as alone: $c" "$(TW_DRIVER_ONESHOT=1 answer "${args[@]}")" "$(answer "${args[@]}")"
done
e2e_expect "the text came through whole" 'a b 中文 Z:\输出 目录\ "q"' "$(tw_driver text "${W[@]}" --id 201)"
set +e
tw_driver >/dev/null 2>&1; rc=$?
set -e
e2e_expect "no arguments: the help, a usage error" 2 "$rc"
e2e_expect "one server answered all" "$server" "$(cat "$TW_BENCH/driver.$$/pid")"

e2e_close "${W[@]}"
e2e_expect "the target exited cleanly" 0 "$E2E_RC"
e2e_pass
