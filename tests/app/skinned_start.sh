#!/usr/bin/env bash
# The real program comes up skinned: the main window answers the skin query within about two
# seconds of showing, keeps its 538x433 client inside the start-up skin's frame, takes a region
# shaped by the skin's transparent borders, hit-tests its skinned title, and no frame of a film
# of the start-up shows the system's caption or border colours. Its message box, open dialog and
# folder browser are skinned too, and a skinned window's frame holds no system colour, active or
# inactive.
# usage: tests/app/skinned_start.sh <build>/bin/Tarnwick.exe
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../e2e/e2e-lib.sh"

e2e_init skinned-start "${1:?usage: skinned_start.sh Tarnwick.exe}"
W=(--class TFrmMain)
SKM_QUERY=0x3523

# The start-up skin's frame, from its built images: each border image holds two cells (active
# and inactive), side by side for the side borders, stacked for the title and bottom.
skin_dir=$TW_BUILD/skins/SkinItem2
cells() { sed -n "s/^$1Frame=//p" "$skin_dir/skin.ini" | tr -d '\r'; }
width_of() { identify -format '%w' "$skin_dir/$1.bmp"; }
height_of() { identify -format '%h' "$skin_dir/$1.bmp"; }
frame_left=$(($(width_of left) / $(cells Left)))
frame_right=$(($(width_of right) / $(cells Right)))
frame_top=$(($(height_of top) / $(cells Top)))
frame_bottom=$(($(height_of bottom) / $(cells Bottom)))
transparent=0
for t in $(sed -n 's/^\(Left\|Right\|Top\|Bottom\)Trans=//p' "$skin_dir/skin.ini" | tr -d '\r'); do
  transparent=$((transparent + t))
done

# The caption and border colours of the system frame.
FRAME_COLOURS=("2 253 2" "3 252 3" "2 2 253" "3 3 252" "253 2 2" "252 3 3" "251 4 4")

# frame_signature_pixels SHOT RECTS-LINE: signature pixels in the window's frame (window minus
# client), in the four bands around the client.
frame_signature_pixels() {
  local shot=$1 line=$2 wx wy ww wh cx cy cw ch total=0 band n
  read -r wx wy ww wh < <(sed 's/.*window=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/' <<<"$line")
  read -r cx cy cw ch < <(sed 's/.*client=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/' <<<"$line")
  # The skin's region may cut the corners round, and what shows there is behind the window: the
  # title and bottom bands leave them out.
  local corner=8
  for band in "$((ww - 2 * corner))x$((cy - wy))+$((wx + corner))+$wy" \
              "$((ww - 2 * corner))x$((wy + wh - cy - ch))+$((wx + corner))+$((cy + ch))" \
              "$((cx - wx))x${ch}+$wx+$cy" "$((wx + ww - cx - cw))x${ch}+$((cx + cw))+$cy"; do
    case $band in 0x*|*x0+*) continue ;; esac
    n=$(tw_signature_pixels "$shot" "$band")
    [ "$n" = 0 ] || echo "  $n signature pixels in the band $band of $shot" >&2
    total=$((total + n))
  done
  echo "$total"
}

# A film of the start-up, from before the program starts until it has settled.
film=$E2E_OUT/startup.nut
rm -f "$film"
( tw_close_fds; exec ffmpeg -nostdin -loglevel error -f x11grab -framerate 25 -video_size "$TW_SCREEN" \
    -i "$DISPLAY" -t 7 -c:v rawvideo -pix_fmt rgb24 "$film" ) &
film_pid=$!
for _ in $(seq 50); do [ -s "$film" ] && break; sleep 0.1; done

e2e_start
tw_driver wait "${W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear"
shown=$(date +%s%N)
answer=""
for _ in $(seq 50); do
  answer=$(tw_driver send "${W[@]}" $SKM_QUERY 2>/dev/null | cut -d' ' -f1) || answer=""
  [ "$answer" = 1 ] && break
  sleep 0.1
done
skinned_ms=$((($(date +%s%N) - shown) / 1000000))
e2e_expect "skin query answer" 1 "$answer"
echo "skinned ${skinned_ms} ms after the window showed"
[ "$skinned_ms" -le 2500 ] || e2e_fail "the main window took ${skinned_ms} ms to be skinned"

rects=$(tw_driver rects "${W[@]}")
echo "$rects"
e2e_expect "client size" 538x433 "$(sed 's/.*client=[-0-9]*,[-0-9]*,\([0-9]*x[0-9]*\).*/\1/' <<<"$rects")"
e2e_expect "frame" "$frame_left,$frame_top,$frame_right,$frame_bottom" "$(sed 's/.*frame=//' <<<"$rects")"
outer="$((538 + frame_left + frame_right))x$((433 + frame_top + frame_bottom))"
e2e_expect "outer size" "$outer" "$(sed 's/.*window=[-0-9]*,[-0-9]*,\([0-9]*x[0-9]*\).*/\1/' <<<"$rects")"

mid_title="$(((538 + frame_left + frame_right) / 2)),$((frame_top / 2))"
region=$(tw_driver region "${W[@]}" "$mid_title")
if [ "$transparent" -gt 0 ]; then
  grep -q '^type=complex' <<<"$region" || e2e_fail "a skin with transparent borders gave no shaped region: $region"
else
  grep -q '^type=simple' <<<"$region" || e2e_fail "a skin with opaque borders gave no plain region: $region"
fi
grep -q "^$mid_title in=1" <<<"$region" || e2e_fail "the middle of the title is cut away: $region"
echo "ok: region ($(head -1 <<<"$region"))"
e2e_expect "hit test of the title" HTCAPTION "$(tw_driver hittest "${W[@]}" "$mid_title" | cut -d' ' -f1)"
e2e_expect "hit test of the client" HTCLIENT \
  "$(tw_driver hittest "${W[@]}" "$((frame_left + 269)),$((frame_top + 200))" | cut -d' ' -f1)"

wait "$film_pid" || e2e_fail "the start-up film failed"
# Every film frame is scanned for the system frame's colours at pixel boundaries.
read -r frames flashes < <(python3 - "$film" "$TW_SCREEN" "${FRAME_COLOURS[@]}" <<'PY'
import re, subprocess, sys
film, screen, colours = sys.argv[1], sys.argv[2], sys.argv[3:]
w, h = (int(v) for v in screen.split("x"))
pattern = re.compile(b"|".join(re.escape(bytes(int(c) for c in col.split())) for col in colours))
raw = subprocess.run(["ffmpeg", "-nostdin", "-loglevel", "error", "-i", film, "-f", "rawvideo", "-pix_fmt",
                      "rgb24", "-"], capture_output=True, check=True).stdout
size = w * h * 3
frames = len(raw) // size
flashes = 0
for f in range(frames):
    frame = raw[f * size:(f + 1) * size]
    if any(m.start() % 3 == 0 for m in pattern.finditer(frame)):
        flashes += 1
print(frames, flashes)
PY
)
echo "start-up film: $frames frames, $flashes with the system's caption or border colours"
[ "$frames" -ge 50 ] || e2e_fail "the start-up film holds only $frames frames"
e2e_expect "film frames with a system frame" 0 "$flashes"

shot=$(e2e_shot skinned-main)
e2e_expect "system colours in the main window's frame" 0 "$(frame_signature_pixels "$shot" "$rects")"

# dialog_is_skinned WHAT: the open dialog is a "#32770" of the program: skinned, its frame and
# the inactive main window's frame free of system colours.
dialog_is_skinned() {
  local what=$1 answer="" i
  for i in $(seq 50); do
    answer=$(tw_driver send --app TFrmMain --class '#32770' $SKM_QUERY 2>/dev/null | cut -d' ' -f1) || answer=""
    [ "$answer" = 1 ] && break
    sleep 0.1
  done
  e2e_expect "skin query answer of the $what" 1 "$answer"
  local dialog_rects shot masked x y w h
  dialog_rects=$(tw_driver rects --app TFrmMain --class '#32770')
  shot=$(e2e_shot "skinned-${what// /-}")
  e2e_expect "system colours in the $what's frame" 0 "$(frame_signature_pixels "$shot" "$dialog_rects")"
  # The main window's frame where the dialog does not cover it.
  read -r x y w h < <(sed 's/.*window=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/' <<<"$dialog_rects")
  masked=$E2E_OUT/masked.png
  convert "$shot" -fill black -draw "rectangle $x,$y $((x + w - 1)),$((y + h - 1))" "$masked"
  e2e_expect "system colours in the inactive main window's frame" 0 \
    "$(frame_signature_pixels "$masked" "$(tw_driver rects "${W[@]}")")"
}

tw_driver click "${W[@]}" --text 新增 >/dev/null
dialog_is_skinned "open dialog"
tw_driver press --app TFrmMain '#2' >/dev/null || e2e_fail "cannot cancel the open dialog"

tw_driver click "${W[@]}" --text 设置输出目录 >/dev/null
dialog_is_skinned "folder browser"
tw_driver press --app TFrmMain '#2' >/dev/null || e2e_fail "cannot cancel the folder browser"

tw_driver settext "${W[@]}" --cclass TEdit "" >/dev/null
tw_driver click "${W[@]}" --text 立即转换 >/dev/null
dialog_is_skinned "message box"
e2e_expect "message box text" "text: 请选择保存的文件夹" \
  "$(tw_driver msgbox --app TFrmMain '#1' | grep '^text:')"

e2e_close "${W[@]}"
e2e_expect "exit code" 0 "$E2E_RC"
e2e_pass
