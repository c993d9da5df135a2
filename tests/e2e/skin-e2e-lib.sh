# What the end-to-end scripts of skinned windows share: a built-in skin's frame from its images,
# the system colours counted in a window's frame on a screenshot, and a film of the screen
# scanned for frames that show the system's caption or border. Sourced after e2e-lib.sh.

SKM_QUERY=0x3523

# skin_query HWND: what that window answers to the skin query (1 when it is skinned).
skin_query() { tw_driver send --hwnd "$1" $SKM_QUERY 2>/dev/null | cut -d' ' -f1; }
# skin_queries HWND...: "HWND ANSWER" a line for each ("HWND -" when it is gone), in one call.
skin_queries() { [ $# = 0 ] || tw_driver ask $SKM_QUERY "$@"; }
# skin_answer HWND ANSWERS: HWND's answer in a skin_queries listing (empty when it is not there).
skin_answer() { awk -v h="$1" '$1 == h { print $2 }' <<<"$2"; }

# gallery_start SKIN PAGE COUNT LISTER: starts the gallery on that page under that skin and waits
# until LISTER (a command printing "HANDLE ..." a line for the page's controls) lists at least
# COUNT controls and the first answers the skin query, then a moment more for the last paint.
gallery_start() {
  e2e_start --skin "$1" --page "$2"
  tw_driver wait --class TFrmGallery --timeout 30000 >/dev/null || e2e_fail "no gallery under skin $1"
  local i
  for i in $(seq 50); do
    [ "$("$4" | wc -l)" -ge "$3" ] && [ "$(skin_query "$("$4" | head -1 | cut -d' ' -f1)")" = 1 ] && break
    sleep 0.1
  done
  sleep 0.8
}

# expect_skinned_controls SKIN SHOT MIN WHAT: every control read from the standard input
# ("HANDLE CLASS WxH+X+Y" a line) answers the skin query with 1 and shows no signature pixel on
# SHOT, and there are at least MIN of them (WHAT names them); leaves their number in SKINNED.
expect_skinned_controls() {
  local handle cls box controls answers
  SKINNED=0
  controls=$(cat)
  # shellcheck disable=SC2046 # one handle a word
  answers=$(skin_queries $(cut -d' ' -f1 <<<"$controls"))
  while read -r handle cls box; do
    [ -n "$handle" ] || continue
    e2e_expect "skin $1: skin query of $cls $handle" 1 "$(skin_answer "$handle" "$answers")"
    e2e_expect "skin $1: signature pixels in $cls $handle ($box)" 0 "$(tw_signature_pixels "$2" "$box")"
    SKINNED=$((SKINNED + 1))
  done <<<"$controls"
  [ "$SKINNED" -ge "$3" ] || e2e_fail "skin $1: only $SKINNED $4 shown"
}

# The caption and border colours of the bench's system frame (see TW_SIGNATURE_COLOURS).
FRAME_COLOURS=("2 253 2" "3 252 3" "2 2 253" "3 3 252" "253 2 2" "252 3 3" "251 4 4")

# skin_frame_of N: "left top right bottom transparent" of built-in skin N, from its built images:
# each border image holds its cells (active, inactive) side by side for the side borders and
# stacked for the title and bottom; transparent counts the borders whose magenta is cut away.
skin_frame_of() {
  local dir=$TW_BUILD/skins/SkinItem$1 t transparent=0
  cells() { sed -n "s/^$1Frame=//p" "$dir/skin.ini" | tr -d '\r'; }
  for t in $(sed -n 's/^\(Left\|Right\|Top\|Bottom\)Trans=//p' "$dir/skin.ini" | tr -d '\r'); do
    transparent=$((transparent + t))
  done
  echo "$(($(identify -format '%w' "$dir/left.bmp") / $(cells Left))) \
$(($(identify -format '%h' "$dir/top.bmp") / $(cells Top))) \
$(($(identify -format '%w' "$dir/right.bmp") / $(cells Right))) \
$(($(identify -format '%h' "$dir/bottom.bmp") / $(cells Bottom))) $transparent"
}

# frame_signature_pixels SHOT RECTS-LINE: signature pixels in the window's frame (window minus
# client, from a driver "rects" line), in the four bands around the client.
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

# window_signature_pixels SHOT RECTS-LINE TREE-FILE [CLASS...]: signature pixels in the whole
# window (frame and client) less those inside the child windows of the named classes (the parts a
# bare dialog leaves to the system), their rectangles read from a driver "tree" listing.
window_signature_pixels() {
  local shot=$1 line=$2 tree=$3 cx cy cw ch total area n
  shift 3
  read -r cx cy cw ch < <(sed 's/.*client=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/' <<<"$line")
  total=$(frame_signature_pixels "$shot" "$line")
  n=$(tw_signature_pixels "$shot" "${cw}x${ch}+${cx}+${cy}")
  [ "$n" = 0 ] || echo "  $n signature pixels in the client ${cw}x${ch}+${cx}+${cy} of $shot" >&2
  total=$((total + n))
  [ $# -gt 0 ] || { echo "$total"; return; }
  # The outermost window of each named class (a nested one lies inside it).
  while read -r area; do
    n=$(tw_signature_pixels "$shot" "$area")
    echo "  less $n in the system's own part $area" >&2
    total=$((total - n))
  done < <(awk -v classes=" $* " '
    { depth = match($0, /[^ ]/); cls = $2 }
    skip && depth > skipdepth { next }
    { skip = 0 }
    index(classes, " " cls " ") {
      for (i = 1; i <= NF; i++) if ($i ~ /^screen=/) { split(substr($i, 8), p, /[,x]/); print p[3] "x" p[4] "+" p[1] "+" p[2] }
      skip = 1; skipdepth = depth
    }' "$tree")
  echo "$total"
}

# film_start FILE SECONDS: films the bench's screen at 25 frames a second into FILE (in the
# background, FILM_PID) and returns once the film has begun.
film_start() {
  rm -f "$1"
  ( tw_close_fds; exec ffmpeg -nostdin -loglevel error -f x11grab -framerate 25 -video_size "$TW_SCREEN" \
      -i "$DISPLAY" -t "$2" -c:v rawvideo -pix_fmt rgb24 "$1" ) &
  FILM_PID=$!
  local i
  for i in $(seq 50); do [ -s "$1" ] && break; sleep 0.1; done
}

# film_wait: waits for the film to end (in the shell that started it).
film_wait() {
  wait "$FILM_PID" || e2e_fail "the film failed"
}

# film_frames_with_system_frame FILE: "frames flashes": how many frames the ended film holds and
# in how many of them a pixel has one of the system frame's colours.
film_frames_with_system_frame() {
  python3 - "$1" "$TW_SCREEN" "${FRAME_COLOURS[@]}" <<'PY'
import re, subprocess, sys
film, screen, colours = sys.argv[1], sys.argv[2], sys.argv[3:]
w, h = (int(v) for v in screen.split("x"))
pattern = re.compile(b"|".join(re.escape(bytes(int(c) for c in col.split())) for col in colours))
raw = subprocess.run(["ffmpeg", "-nostdin", "-loglevel", "error", "-i", film, "-f", "rawvideo", "-pix_fmt",
                      "rgb24", "-"], capture_output=True, check=True).stdout
size = w * h * 3
frames = len(raw) // size
# A colour counts only where it starts at a pixel boundary.
flashes = sum(1 for f in range(frames)
              if any(m.start() % 3 == 0 for m in pattern.finditer(raw[f * size:(f + 1) * size])))
print(frames, flashes)
PY
}
