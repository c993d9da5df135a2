#!/usr/bin/env bash
# tw_driver's side of "twdriver --serve", against a stand-in driver: every call answered as
# the one-shot driver answers it, and each way a server can fail falling back to one-shot.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../wine/bench-lib.sh"
export TW_DRIVER_SERVE=1

passed=0 failed=0
expect() {   # expect WHAT WANTED GOT
  if [ "$3" = "$2" ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1: wanted [$2], got [$3]" >&2; fi
}
t=$(mktemp -d)
trap 'tw_driver_stop; rm -rf "$t"' EXIT
TW_BUILD=$t/build TW_BENCH=$t/bench TW_WINE64=$here/fake-twdriver.py
mkdir -p "$TW_BUILD/bin" "$TW_BENCH"
touch "$TW_BUILD/bin/twdriver.exe"
export FAKE_LOG=$t/processes FAKE_FAIL_STARTS=$t/fail-starts
ways() { sort "$FAKE_LOG" | uniq -c | awk '{printf "%s%s=%s", (NR > 1 ? " " : ""), $2, $1}'; : >"$FAKE_LOG"; }
# call ARGS: "stdout|stderr|status" of tw_driver ARGS
call() {
  local out err status
  out=$(tw_driver "$@" 2>"$t/err"; echo "=$?")
  status=${out##*=}; out=${out%=*}
  err=$(cat "$t/err")
  echo "$out|$err|$status"
}

# Served and one-shot answers agree, arguments with blanks, Chinese, backslashes and empty
# ones included; one server answers them all.
cases=(
  "echo|a b|中文 路径|Z:\\tmp\\输出 目录\\||--timeout|0"
  "echo|"
  "echo|\\\\|\"q\"|'s'|*|\$HOME|-n|--serve"
  "status|3"
  "frobnicate|--class|X"
  ""
)
: >"$FAKE_LOG"
for c in "${cases[@]}"; do
  IFS='|' read -r -a args <<<"$c"
  served=$(call "${args[@]}")
  alone=$(TW_DRIVER_ONESHOT=1 call "${args[@]}")
  expect "answer to [$c]" "$alone" "$served"
done
expect "one server, one-shot only where asked" "oneshot=${#cases[@]} serve=1" "$(ways)"
expect "status of a failing call" 3 "$(tw_driver status 3 2>/dev/null; echo $?)"
expect "stderr apart from stdout" "" "$(tw_driver status 3 2>/dev/null)"
expect "in a pipeline" "[b c]" "$(tw_driver echo 'b c' 2>/dev/null | head -1)"
big=$(tw_driver big)
expect "a long answer with frame-like lines, whole" 105999 "${#big}"
expect "a call with a line feed runs on its own" $'[a\nb]' "$(tw_driver echo $'a\nb' 2>/dev/null)"
expect "the same server all along" "oneshot=1" "$(ways)"

# A server that dies mid-call: the call runs on its own; the next call starts a new server.
expect "answer when the server dies" "alone" "$(tw_driver die 2>"$t/err")"
grep -q "ended during the call" "$t/err"; expect "says so" 0 $?
expect "next call served" "[x]" "$(tw_driver echo x 2>/dev/null)"
expect "one-shot once, then a new server" "oneshot=1 serve=1" "$(ways)"

# A server that hangs is killed after the answer timeout; the call runs on its own.
read -r hung <"$TW_BENCH/driver.$$/pid"
s=$SECONDS
expect "answer when the server hangs" "alone" "$(TW_DRIVER_ANSWER_TIMEOUT=2 tw_driver hang 2>/dev/null)"
expect "after the answer timeout" 1 "$(( SECONDS - s >= 2 && SECONDS - s <= 5 ))"
tw_driver_alive "$hung"; expect "the hung server killed" 1 $?
expect "its --timeout counts on top" "slept" "$(TW_DRIVER_ANSWER_TIMEOUT=0 tw_driver sleep 1.5 --timeout 2000 2>/dev/null)"
expect "one-shot once, then a new server" "oneshot=1 serve=1" "$(ways)"

# A call while another is answered (one in the background) runs on its own, not after it.
tw_driver sleep 2 >"$t/bg" 2>&1 &
bg=$!
sleep 0.5
s=$SECONDS
expect "answer while the server is busy" "[y]" "$(tw_driver echo y 2>/dev/null)"
expect "without waiting for it" 1 "$(( SECONDS - s < 2 ))"
wait "$bg"
expect "the background call's answer" "slept" "$(cat "$t/bg")"
expect "the busy call ran on its own" "oneshot=1" "$(ways)"

# A call killed after its request: its answer is never taken for the next call's.
( tw_driver sleep 1 >/dev/null 2>&1 ) & victim=$!
sleep 0.4; kill -9 "$victim"; wait "$victim" 2>/dev/null
expect "the next call gets its own answer" "[z]" "$(tw_driver echo z 2>/dev/null)"
expect "from a new server" "serve=1" "$(ways)"

# Stopping asks the server to quit; Wine failing to start one is tried again.
tw_driver_stop
expect "stopped by a quit" "quit=1" "$(ways)"
echo 1 >"$FAKE_FAIL_STARTS"
expect "answer after a failed start" "[w]" "$(tw_driver echo w 2>"$t/err")"
grep -q "could not start the driver server (attempt 1)" "$t/err"; expect "the retry said so" 0 $?
read -r pid <"$TW_BENCH/driver.$$/pid"
tw_driver_stop
tw_driver_alive "$pid"; expect "stopped" 1 $?
expect "served after the retry, the folder gone" "quit=1 serve=1 0" "$(ways) $(ls "$TW_BENCH" | wc -l)"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
