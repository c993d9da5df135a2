#!/usr/bin/env bash
# The real program under Wine: the main window is skinned soon after it shows (it answers the
# skinned-window query), keeps its client size under the skinned frame, and ends cleanly.
# usage: tests/manage/startup_skinned.sh <build>/bin/Tarnwick.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"

e2e_init startup-skinned "${1:?usage: startup_skinned.sh Tarnwick.exe}"
W=(--class TFrmMain)

e2e_start
tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear"
answer=""
for _ in $(seq 20); do
  answer=$(tw_driver send "${W[@]}" 0x3523 2>/dev/null | cut -d' ' -f1) || answer=""
  [ "$answer" = 1 ] && break
  sleep 0.1
done
e2e_expect "skinned within 2 s of showing" 1 "$answer"
client=$(tw_driver rects "${W[@]}" | sed -n 's/.* client=[0-9-]*,[0-9-]*,\([0-9]*x[0-9]*\).*/\1/p')
e2e_expect "client size under the skinned frame" "538x433" "$client"
e2e_shot main >/dev/null
e2e_close "${W[@]}"
e2e_expect "exit code" 0 "$E2E_RC"
e2e_pass
