# Helpers of the end-to-end scripts: the bench of the build tree, the program under test, checks
# that fail with a clear message, and a screenshot of the moment a check failed.
#
#   . tests/e2e/e2e-lib.sh
#   e2e_init main-window build/win64/bin/Tarnwick.exe   # bench up (if it is not), output folder
#   e2e_start                                            # the program, in the background
#   tw_driver wait --class TFrmMain --timeout 30000 >/dev/null || e2e_fail "no main window"
#   e2e_expect "status text" "准备就绪" "$(tw_driver text --class TFrmMain --text 准备就绪)"
#   e2e_wait_text "完成" --class TFrmMain --id 7          # polls, for what happens asynchronously
#   e2e_shot main                                        # <bench>/e2e/main-window/main.png
#   e2e_close --class TFrmMain; e2e_expect "exit code" 0 "$E2E_RC"
#   e2e_pass
# A script may define e2e_on_exit; it runs when the script ends, whatever the outcome.

. "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../wine/bench-lib.sh"

# e2e_init NAME PROGRAM: the build tree is $TARNWICK_BUILD (set by ctest) or the one PROGRAM is in.
e2e_init() {
  E2E_NAME=$1
  [ -f "$2" ] || tw_die "no program $2"
  E2E_APP=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
  local build=${TARNWICK_BUILD:-}
  [ -n "$build" ] || build=$(tw_find_build "$E2E_APP") || tw_die "$2 is in no build tree"
  tw_paths "$build"
  if ! tw_load_env; then
    tw_say "not up for $TW_BUILD; bringing it up (stop it with: tests/wine/bench.sh down --build $TW_BUILD)"
    ( tw_up ) </dev/null >/dev/null
    tw_load_env || tw_die "the bench did not come up"
  fi
  [ -f "$TW_BUILD/bin/twdriver.exe" ] || tw_die "no $TW_BUILD/bin/twdriver.exe: build the twdriver target"
  E2E_OUT=$TW_BENCH/e2e/$E2E_NAME
  rm -rf "$E2E_OUT"
  mkdir -p "$E2E_OUT"
  TW_APP_PID=""
  trap e2e_cleanup EXIT
}

# e2e_start [ARGS]: starts the program; its output goes to <out>/program.log.
e2e_start() {
  tw_start_app "$E2E_OUT/program.log" "$E2E_APP" "$@"
}

e2e_cleanup() {
  local rc=$?
  if declare -F e2e_on_exit >/dev/null; then e2e_on_exit || true; fi
  tw_driver_stop || true
  if [ -n "${TW_APP_PID:-}" ] && kill -0 "$TW_APP_PID" 2>/dev/null; then
    kill "$TW_APP_PID" 2>/dev/null || true
  fi
  return $rc
}

e2e_fail() {
  echo "$E2E_NAME: FAIL: $*" >&2
  if tw_shot "$E2E_OUT/failure.png" 2>/dev/null; then
    echo "$E2E_NAME: screenshot at the failure: $E2E_OUT/failure.png" >&2
  fi
  if [ -s "$E2E_OUT/program.log" ]; then
    echo "$E2E_NAME: the program's last output:" >&2
    tail -15 "$E2E_OUT/program.log" >&2
  fi
  exit 1
}

# e2e_expect WHAT WANTED GOT
e2e_expect() {
  [ "$3" = "$2" ] || e2e_fail "$1: wanted [$2], got [$3]"
  echo "ok: $1"
}

# e2e_wait_text WANTED DRIVER-SELECTORS...: waits up to 10 s for that control's text.
e2e_wait_text() {
  local wanted=$1 got="" i
  shift
  for i in $(seq 100); do
    got=$(tw_driver text "$@" 2>/dev/null) || got="(no such control)"
    [ "$got" = "$wanted" ] && break
    sleep 0.1
  done
  e2e_expect "text of $*" "$wanted" "$got"
}

# e2e_shot NAME: a screenshot into <out>/NAME.png; prints its path.
e2e_shot() {
  tw_shot "$E2E_OUT/$1.png"
  echo "$E2E_OUT/$1.png"
}

# e2e_close WINDOW-SELECTORS...: posts WM_CLOSE and waits up to 15 s for the program to end;
# its exit code is left in E2E_RC.
e2e_close() {
  tw_driver close "$@" || e2e_fail "cannot close the window $*"
  local i
  for i in $(seq 150); do
    kill -0 "$TW_APP_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$TW_APP_PID" 2>/dev/null && e2e_fail "the program did not end within 15 s of WM_CLOSE"
  set +e
  wait "$TW_APP_PID"
  E2E_RC=$?
  set -e
  TW_APP_PID=""
}

e2e_pass() {
  echo "$E2E_NAME: passed"
}
