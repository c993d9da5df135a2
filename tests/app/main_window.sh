#!/usr/bin/env bash
# The real main window under Wine: client size, every control at its place and size (read from
# the window handles), Chinese captions, option lists at their start-up values (the hidden audio
# lists included), the status label, the output-folder chooser, readable Chinese text on screen,
# and a clean exit.
# usage: tests/app/main_window.sh <build>/bin/Tarnwick.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"

e2e_init main-window "${1:?usage: main_window.sh Tarnwick.exe}"
W=(--class TFrmMain)

e2e_start
tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear"
tw_driver tree "${W[@]}" >"$E2E_OUT/tree.txt"

e2e_expect "caption" "Tarnwick  5.0  E-mail:support@tarnwick.example" "$(tw_driver text "${W[@]}")"
client=$(sed -n '1s/.* client=[0-9-]*,[0-9-]*,\([0-9]*x[0-9]*\).*/\1/p' "$E2E_OUT/tree.txt")
e2e_expect "client size" "538x433" "$client"

# place CLASS "TEXT" NTH -> "x,y,WxH" relative to the main window's client area.
place() {
  awk -v cls="$1" -v text="\"$2\"" -v nth="${3:-1}" '
    $2 == cls && index($0, "id=0 " text " ") { if (++n == nth) { for (i = 1; i <= NF; i++) if ($i ~ /^rel=/) { sub(/^rel=/, "", $i); print $i } } }
  ' "$E2E_OUT/tree.txt"
}
e2e_expect "banner pane" "0,0,538x160" "$(place TWebBrowser "")"
e2e_expect "progress group" "0,160,538x64" "$(place TGroupBox 进度)"
e2e_expect "progress bar" "104,198,409x18" "$(place TProgressBar "")"
e2e_expect "settings group" "0,224,538x104" "$(place TGroupBox 设置)"
e2e_expect "job list" "2,238,335x64" "$(place TListView "")"
e2e_expect "add button" "2,302,75x25" "$(place TButton 新增)"
e2e_expect "delete button" "82,302,75x25" "$(place TButton 删除)"
e2e_expect "clear button" "162,302,75x25" "$(place TButton 清空)"
e2e_expect "video options" "337,238,199x88" "$(place TGroupBox 视频选项)"
e2e_expect "output group" "0,328,538x54" "$(place TGroupBox 输出)"
e2e_expect "output folder field" "76,348,353x21" "$(place TEdit "")"
e2e_expect "folder button" "437,346,85x25" "$(place TButton 设置输出目录)"
e2e_expect "convert button" "220,391,97x33" "$(place TButton 立即转换)"
grep -q 'TGroupBox id=0 "音频选项" .* visible=0' "$E2E_OUT/tree.txt" || e2e_fail "the audio options group is not hidden"

# Option lists: the visible ones by their items, the hidden ones by their shown text.
selected() { tw_driver combo "${W[@]}" --cclass TComboBox --nth "$1" | sed -n 's/^\* //p'; }
e2e_expect "video bit rate" "120K" "$(selected 1)"
e2e_expect "frame rate" "14.985" "$(selected 2)"
e2e_expect "frame size" "176x144" "$(selected 3)"
e2e_expect "frame size items" "128x96 128x160 176x144 320x240 352x288 704x576 1408x1152" \
  "$(tw_driver combo "${W[@]}" --cclass TComboBox --nth 3 | sed 's/^[* ] //' | tr '\n' ' ' | sed 's/ $//')"
for want in 12.2K 8000 "1 - Mono"; do
  grep -q "TComboBox id=0 \"$want\" .* visible=0" "$E2E_OUT/tree.txt" || e2e_fail "hidden audio list does not show $want"
  echo "ok: hidden audio list shows $want"
done

# Windowless labels are read through the form's property queries.
e2e_expect "status label" "准备就绪" "$(tw_driver prop "${W[@]}" lblInfo.Caption)"
e2e_expect "operation label" "当前操作描述" "$(tw_driver prop "${W[@]}" Label1.Caption)"
e2e_expect "contact label" "E-mail:support@tarnwick.example" "$(tw_driver prop "${W[@]}" lblContact.Caption)"

# The output-folder chooser: a folder gets one trailing backslash, a drive root keeps its own,
# and a cancelled dialog keeps the previous folder.
mkdir -p "$E2E_OUT/输出 目录"
folder="Z:$(echo "$E2E_OUT/输出 目录" | tr / '\\')"
tw_driver click "${W[@]}" --text 设置输出目录
tw_driver folder --app TFrmMain "$folder" >/dev/null || e2e_fail "could not choose $folder"
e2e_wait_text "$folder\\" "${W[@]}" --cclass TEdit
tw_driver click "${W[@]}" --text 设置输出目录
tw_driver folder --app TFrmMain 'Z:\' >/dev/null || e2e_fail "could not choose the drive root"
e2e_wait_text 'Z:\' "${W[@]}" --cclass TEdit
tw_driver click "${W[@]}" --text 设置输出目录
tw_driver press --app TFrmMain '#2' >/dev/null || e2e_fail "could not cancel the folder browser"
sleep 0.5
e2e_expect "folder after cancel" 'Z:\' "$(tw_driver text "${W[@]}" --cclass TEdit)"

# Readable Chinese on screen: the convert button's caption has four distinct glyphs.
sleep 0.5
shot=$(e2e_shot main-window)
read -r bx by < <(awk '$2 == "TButton" && index($0, "\"立即转换\"") { for (i = 1; i <= NF; i++) if ($i ~ /^screen=/) { split(substr($i, 8), p, /[,x]/); print p[1], p[2] } }' "$E2E_OUT/tree.txt")
dark=$(tw_dark_pixels "$shot" "97x33+$bx+$by")
echo "main-window: screenshot $shot; dark pixels on the convert button: $dark"
[ "$dark" -ge 60 ] || e2e_fail "the convert button shows no readable caption ($dark dark pixels)"

e2e_close "${W[@]}"
e2e_expect "exit code" 0 "$E2E_RC"
e2e_pass
