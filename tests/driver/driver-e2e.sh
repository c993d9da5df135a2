#!/usr/bin/env bash
# twdriver against a live window in the bench: every command, the standard dialogs included.
# usage: tests/driver/driver-e2e.sh <build>/tests/driver/twdriver_target.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"

e2e_init driver "${1:?usage: driver-e2e.sh twdriver_target.exe}"
work=$(mktemp -d /tmp/twdriver-e2e.XXXXXX)
e2e_on_exit() { rm -rf "$work"; }
mkdir -p "$work/输出 目录/子目录"
touch "$work/输入 文件.mp4"
winwork="Z:${work//\//\\}"
W=(--class TwDriverTarget)

e2e_start
tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "no target window"

tw_driver tree "${W[@]}" >"$E2E_OUT/tree.txt"
e2e_expect "tree lists the window, its controls and the list header" 12 "$(wc -l <"$E2E_OUT/tree.txt")"
grep -q '^  0x[0-9a-f]* SysListView32 id=209 .* visible=1 enabled=1 rel=10,130,400x100 ' "$E2E_OUT/tree.txt" \
  || e2e_fail "the list view's line in the tree: $(grep SysListView32 "$E2E_OUT/tree.txt")"

e2e_expect "combo items and selection" $'  40K\n  80K\n* 120K' "$(tw_driver combo "${W[@]}" --id 207)"
tw_driver select "${W[@]}" --id 207 80K
e2e_wait_text "picked 80K" "${W[@]}" --id 208
tw_driver select "${W[@]}" --id 207 '#0'
e2e_wait_text "picked 40K" "${W[@]}" --id 208
set +e
msg=$(tw_driver select "${W[@]}" --id 207 999K 2>&1); rc=$?
set -e
e2e_expect "selecting a missing item fails" 1 "$rc"
[[ $msg == *'no item "999K"'* ]] || e2e_fail "message for a missing item: $msg"

e2e_expect "owner-data list view rows" \
  $'#\tsel\t文件路径\t状态\n0\t0\tZ:\\片段\\一.rm\t完成\n1\t1\tZ:\\片段\\二.avi\t等待\n2\t0\tZ:\\片段\\三.wmv\t' \
  "$(tw_driver rows "${W[@]}" --cclass SysListView32)"
e2e_expect "selected rows" 1 "$(tw_driver selected "${W[@]}" --id 209)"
e2e_expect "progress bar" "37 0 200" "$(tw_driver progress "${W[@]}" --cclass msctls_progress32)"

e2e_expect "state of a read-only edit" "visible=1 enabled=1" "$(tw_driver state "${W[@]}" --id 203)"
tw_driver settext "${W[@]}" --id 201 "你好 world"
e2e_expect "text set and read back" "你好 world" "$(tw_driver text "${W[@]}" --id 201)"
edit=$(awk '/ id=201 / { print $1 }' "$E2E_OUT/tree.txt")
# WM_GETTEXTLENGTH to many windows in one call; a handle that names no window answers "-".
e2e_expect "one message to a list of windows" "$edit 8"$'\n'"0x1 -"$'\n'"$edit 8" \
  "$(tw_driver ask 0x000E "$edit" 0x1 "$edit")"

# Message box: read it, answer Cancel.
tw_driver click "${W[@]}" --text Ask
tw_driver msgbox --app TwDriverTarget --title 提示 '#2' >"$E2E_OUT/msgbox.txt"
grep -qx 'text: 转换完成' "$E2E_OUT/msgbox.txt" || e2e_fail "message box texts: $(cat "$E2E_OUT/msgbox.txt")"
e2e_wait_text "answer=cancel" "${W[@]}" --id 206

# File dialog: a path with Chinese characters and blanks typed in and confirmed.
tw_driver click "${W[@]}" --id 202
tw_driver dialog-path --app TwDriverTarget --title 选择视频 "$winwork\\输入 文件.mp4"
e2e_wait_text "$winwork\\输入 文件.mp4" "${W[@]}" --id 201

# Folder browser: picked through its tree view.
tw_driver click "${W[@]}" --text 设置输出目录
tw_driver folder-tree --app TwDriverTarget 2 >"$E2E_OUT/folder-tree.txt"
tw_driver folder --app TwDriverTarget "$winwork\\输出 目录\\子目录"
e2e_wait_text "$winwork\\输出 目录\\子目录" "${W[@]}" --id 203

set +e
msg=$(tw_driver text "${W[@]}" --id 4242 --timeout 200 2>&1); rc=$?
set -e
e2e_expect "a missing control fails" 1 "$rc"
[[ $msg == *"no control id=4242"* ]] || e2e_fail "message for a missing control: $msg"
set +e
tw_driver frobnicate >/dev/null 2>&1; rc=$?
set -e
e2e_expect "an unknown command is a usage error" 2 "$rc"

e2e_close "${W[@]}"
e2e_expect "the target exited cleanly" 0 "$E2E_RC"
tw_driver gone "${W[@]}" --timeout 1000 || e2e_fail "the window outlived its program"
e2e_pass
