#!/usr/bin/env bash
# twdriver against a live window in the bench: every command, the standard dialogs included.
# usage: tests/driver/driver-e2e.sh <build>/tests/driver/twdriver_target.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../wine/bench-lib.sh"

app=${1:?usage: driver-e2e.sh twdriver_target.exe}
build=${TARNWICK_BUILD:-$(tw_find_build "$app")}
tw_paths "$build"
tw_load_env || { tw_say "bench not up; bringing it up"; ( tw_up ) </dev/null >/dev/null; tw_load_env; }

out=$TW_BENCH/driver-e2e
rm -rf "$out"; mkdir -p "$out"
work=$(mktemp -d /tmp/twdriver-e2e.XXXXXX)
mkdir -p "$work/输出 目录/子目录"
touch "$work/输入 文件.mp4"
winwork="Z:${work//\//\\}"

cleanup() {
  kill "${TW_APP_PID:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "driver-e2e: FAIL: $*" >&2
  tw_shot "$out/failure.png" 2>/dev/null && echo "driver-e2e: screenshot $out/failure.png" >&2
  exit 1
}
expect() {   # expect NAME WANTED GOT
  [ "$3" = "$2" ] || fail "$1: wanted [$2], got [$3]"
  echo "ok: $1"
}
W=(--class TwDriverTarget)
# wait_text ID WANTED: polls a control's text (posted clicks and dialogs answer asynchronously).
wait_text() {
  local got=""
  for _ in $(seq 100); do
    got=$(tw_driver text "${W[@]}" --id "$1")
    [ "$got" = "$2" ] && break
    sleep 0.1
  done
  expect "text of control $1" "$2" "$got"
}

tw_start_app "$out/app.log" "$app"
tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || fail "no target window"

tw_driver tree "${W[@]}" >"$out/tree.txt"
expect "tree lists the window, its controls and the list header" 12 "$(wc -l <"$out/tree.txt")"
grep -q '^  0x[0-9a-f]* SysListView32 id=209 .* visible=1 enabled=1 rel=10,130,400x100 ' "$out/tree.txt" \
  || fail "the list view's line in the tree: $(grep SysListView32 "$out/tree.txt")"

expect "combo items and selection" $'  40K\n  80K\n* 120K' "$(tw_driver combo "${W[@]}" --id 207)"
tw_driver select "${W[@]}" --id 207 80K
wait_text 208 "picked 80K"
tw_driver select "${W[@]}" --id 207 '#0'
wait_text 208 "picked 40K"
set +e
msg=$(tw_driver select "${W[@]}" --id 207 999K 2>&1); rc=$?
set -e
expect "selecting a missing item fails" 1 "$rc"
[[ $msg == *'no item "999K"'* ]] || fail "message for a missing item: $msg"

expect "owner-data list view rows" \
  $'#\tsel\t文件路径\t状态\n0\t0\tZ:\\片段\\一.rm\t完成\n1\t1\tZ:\\片段\\二.avi\t等待\n2\t0\tZ:\\片段\\三.wmv\t' \
  "$(tw_driver rows "${W[@]}" --cclass SysListView32)"
expect "selected rows" 1 "$(tw_driver selected "${W[@]}" --id 209)"
expect "progress bar" "37 0 200" "$(tw_driver progress "${W[@]}" --cclass msctls_progress32)"

tw_driver settext "${W[@]}" --id 201 "你好 world"
expect "text set and read back" "你好 world" "$(tw_driver text "${W[@]}" --id 201)"

# Message box: read it, answer Cancel.
tw_driver click "${W[@]}" --text Ask
tw_driver msgbox --app TwDriverTarget --title 提示 '#2' >"$out/msgbox.txt"
grep -qx 'text: 转换完成' "$out/msgbox.txt" || fail "message box texts: $(cat "$out/msgbox.txt")"
wait_text 206 "answer=cancel"

# File dialog: a path with Chinese characters and blanks typed in and confirmed.
tw_driver click "${W[@]}" --id 202
tw_driver dialog-path --app TwDriverTarget --title 选择视频 "$winwork\\输入 文件.mp4"
wait_text 201 "$winwork\\输入 文件.mp4"

# Folder browser: picked through its tree view.
tw_driver click "${W[@]}" --text 设置输出目录
tw_driver folder-tree --app TwDriverTarget 2 >"$out/folder-tree.txt"
tw_driver folder --app TwDriverTarget "$winwork\\输出 目录\\子目录"
wait_text 203 "$winwork\\输出 目录\\子目录"

set +e
msg=$(tw_driver text "${W[@]}" --id 4242 --timeout 200 2>&1); rc=$?
set -e
expect "a missing control fails" 1 "$rc"
[[ $msg == *"no control id=4242"* ]] || fail "message for a missing control: $msg"
set +e
tw_driver frobnicate >/dev/null 2>&1; rc=$?
set -e
expect "an unknown command is a usage error" 2 "$rc"

tw_driver close "${W[@]}"
tw_driver gone "${W[@]}" --timeout 10000
set +e
wait "$TW_APP_PID"; rc=$?
set -e
expect "the target exited cleanly" 0 "$rc"
echo "driver-e2e: passed"
