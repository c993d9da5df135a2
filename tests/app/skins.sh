#!/usr/bin/env bash
# The real main window under each built-in skin (test builds choose the start-up skin through
# TARNWICK_STARTUP_SKIN), as a person sees it: its 538x433 client inside that skin's own frame,
# every control it shows skinned, and no pixel in the system's own colours, neither in the main
# window nor in a message box, the open dialog or the folder browser over it (of those bare
# dialogs only their tool bar, file list and folder tree are left to the system). A screenshot of
# each; every count is printed, then the script fails if any was not 0.
# usage: tests/app/skins.sh <build>/bin/Tarnwick.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"
. "$(cd "$(dirname "$0")" && pwd)/../e2e/skin-e2e-lib.sh"

e2e_init main-skins "${1:?usage: skins.sh Tarnwick.exe}"
W=(--class TFrmMain)
D=(--app TFrmMain --class '#32770')
skin_query_is() { [ "$(tw_driver send "$@" $SKM_QUERY 2>/dev/null | cut -d' ' -f1)" = 1 ]; }
field() { sed "s/.* $1=\([^ ]*\).*/\1/" <<<" $2"; }
faults=()
count() {  # WHAT N
  echo "count: $1: $2"
  [ "$2" = 0 ] || faults+=("$1: $2")
}
# unskinned TREE CLASS...: the visible windows of those classes in a tree listing that do not
# answer the skinners' query.
unskinned() {
  local tree=$1 controls answers handle cls
  shift
  # An edit inside a combo box is the combo's text part: the combo's skinner draws around it.
  controls=$(awk -v classes=" $* " '{ depth = match($0, /[^ ]/); cls[depth] = $2 }
    index(classes, " " $2 " ") && / visible=1 / && !($2 == "Edit" && cls[depth - 2] ~ /ComboBox/) { print $1, $2 }' "$tree")
  [ -n "$controls" ] || return 0
  # shellcheck disable=SC2046 # one handle a word
  answers=$(skin_queries $(cut -d" " -f1 <<<"$controls")) || { echo "the skin query failed"; return 0; }
  while read -r handle cls; do
    [ "$(skin_answer "$handle" "$answers")" = 1 ] || echo "$cls $handle"
  done <<<"$controls"
}
# dialog NAME BUTTON SYSTEM-CLASSES...: the dialog that is up, once skinned: its controls asked, a
# screenshot counted, then closed with BUTTON (a press waits for the button it names, so the
# button must be one the dialog has).
dialog() {
  local name=$1 button=$2 tree rects shot
  shift 2
  for _ in $(seq 100); do skin_query_is "${D[@]}" && break; sleep 0.1; done
  sleep 0.5
  tree=$E2E_OUT/$name.tree
  tw_driver tree "${D[@]}" >"$tree"
  rects=$(tw_driver rects "${D[@]}")
  shot=$(e2e_shot "$name")
  count "$name: controls not skinned" "$(unskinned "$tree" Button Edit ComboBox | wc -l)"
  count "$name: system colours" "$(window_signature_pixels "$shot" "$rects" "$tree" "$@")"
  tw_driver press "${D[@]}" "$button" >/dev/null || e2e_fail "$name: could not press $button"
  for _ in $(seq 50); do tw_driver list --app TFrmMain | grep -q '#32770' || break; sleep 0.1; done
}

for i in 0 1 2 3 4; do
  read -r left top right bottom _ < <(skin_frame_of $i)
  export TARNWICK_STARTUP_SKIN=$i
  e2e_start
  unset TARNWICK_STARTUP_SKIN
  tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "skin $i: the main window did not appear"
  for _ in $(seq 50); do skin_query_is "${W[@]}" && break; sleep 0.1; done
  rects=$(tw_driver rects "${W[@]}")
  e2e_expect "skin $i: frame" "$left,$top,$right,$bottom" "$(field frame "$rects")"
  e2e_expect "skin $i: client" 538x433 "$(field client "$rects" | sed 's/^[-0-9]*,[-0-9]*,//')"
  tree=$E2E_OUT/main-skin$i.tree
  tw_driver tree "${W[@]}" >"$tree"
  missing=$(unskinned "$tree" TButton TEdit TComboBox TListView TProgressBar TGroupBox)
  [ -z "$missing" ] || echo "skin $i: not skinned: $missing"
  count "skin $i: main window controls not skinned" "$(grep -c . <<<"$missing" || true)"
  sleep 0.3
  shot=$(e2e_shot "main-skin$i")
  count "skin $i: main window system colours" "$(window_signature_pixels "$shot" "$rects" "$tree")"
  # The window alone, for the README (docs/screenshots holds the copies of the last good run).
  read -r wx wy ww wh < <(sed 's/.*window=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/' <<<"$rects")
  mkdir -p "$TW_BUILD/screenshots"
  convert "$shot" -crop "${ww}x${wh}+${wx}+${wy}" +repage -strip PNG8:"$TW_BUILD/screenshots/main-skin$i.png"

  # A message box over it: the empty output folder is refused.
  tw_driver settext "${W[@]}" --cclass TEdit "" >/dev/null
  tw_driver click "${W[@]}" --text 立即转换 >/dev/null
  dialog "skin$i-message-box" '#1'
  # The open dialog of the add button and the folder browser of the folder button.
  tw_driver click "${W[@]}" --text 新增 >/dev/null
  dialog "skin$i-open-dialog" '#2' ToolbarWindow32 SHELLDLL_DefView
  tw_driver click "${W[@]}" --text 设置输出目录 >/dev/null
  dialog "skin$i-folder-browser" '#2' SysTreeView32

  e2e_close "${W[@]}"
  e2e_expect "skin $i: exit code" 0 "$E2E_RC"
done
[ ${#faults[@]} = 0 ] || e2e_fail "$(printf '%s; ' "${faults[@]}")"
e2e_pass
