#!/usr/bin/env bash
# The skinned main window while it converts, as a person sees it: the progress bar fills from
# the skin as far as its position says (the filled width in screenshots against the width the
# position gives), and the controls a run disables show the skin's disabled look (they change
# from their enabled look, and no pixel of the window is in the system's own colours).
# usage: tests/convert/skinned_run.sh <build>/bin/Tarnwick.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/e2e-lib.sh"
. "$here/../e2e/skin-e2e-lib.sh"

e2e_init convert-skinned "${1:?usage: skinned_run.sh Tarnwick.exe}"
. "$here/convert-lib.sh"

[ -f "$TW_BUILD/bin/codecs/ffmpeg.exe" ] || e2e_fail "no Windows FFmpeg in $TW_BUILD/bin/codecs (build tw_codecs)"
long=$(conv_long_source 300)  # long enough for three looks even on a loaded machine

e2e_start
tw_driver wait "${CONV_W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear"
for _ in $(seq 50); do [ "$(tw_driver send "${CONV_W[@]}" $SKM_QUERY | cut -d' ' -f1)" = 1 ] && break; sleep 0.1; done
# The largest frame at the highest rate, so that the run lasts long enough to be looked at.
tw_driver select "${CONV_W[@]}" --cclass TComboBox --nth 2 25.000 >/dev/null || e2e_fail "cannot pick 25.000"
tw_driver select "${CONV_W[@]}" --cclass TComboBox --nth 3 704x576 >/dev/null || e2e_fail "cannot pick 704x576"
conv_add "$long"
out=$E2E_OUT/out
mkdir -p "$out"
tw_driver settext "${CONV_W[@]}" --cclass TEdit "$(conv_win "$out")\\" >/dev/null || e2e_fail "cannot set the output folder"

# screen NAME-SELECTORS...: "W H X Y" of a control on the screen.
screen_of() {
  tw_driver tree "${CONV_W[@]}" | awk -v key="$1" 'index($0, key) { for (i = 1; i <= NF; i++)
    if ($i ~ /^screen=/) { split(substr($i, 8), p, /[,x]/); print p[3], p[4], p[1], p[2]; exit } }'
}
read -r pw ph px py < <(screen_of "TProgressBar ")
read -r bw bh bx by < <(screen_of '"新增"')
read -r cw chh cx cy < <(screen_of '"清空"')
[ -n "${pw:-}" ] && [ -n "${bw:-}" ] || e2e_fail "no progress bar or add button in the window tree"
bar="${pw}x${ph}+${px}+${py}"
sleep 0.5
idle=$(e2e_shot idle)
client=$(tw_driver rects "${CONV_W[@]}" | sed 's/.* client=\([-0-9]*\),\([-0-9]*\),\([0-9]*\)x\([0-9]*\).*/\3x\4+\1+\2/')
e2e_expect "system colours in the idle window" 0 "$(tw_signature_pixels "$idle" "$client")"

# pixels MODE BEFORE NOW AREA: compares an area of two screenshots. fill: how far from the left
# the columns differ (the last differing column + 1); changed: how many pixels differ.
pixels() {
  python3 - "$@" <<'PY'
import subprocess, sys
mode, a, b, area = sys.argv[1:5]
w, h = (int(v) for v in area.split("+")[0].split("x"))
def rgb(path):
    return subprocess.run(["convert", path, "-crop", area, "+repage", "-depth", "8", "rgb:-"],
                          check=True, capture_output=True).stdout
pa, pb = rgb(a), rgb(b)
def differs(x, y):
    i = 3 * (y * w + x)
    return sum(abs(pa[i + k] - pb[i + k]) for k in range(3)) > 24
if mode == "fill":
    print(max([x + 1 for x in range(w) if any(differs(x, y) for y in range(h))], default=0))
else:
    print(sum(differs(x, y) for x in range(w) for y in range(h)))
PY
}

tw_driver click "${CONV_W[@]}" --text 立即转换 >/dev/null || e2e_fail "cannot press the convert button"
for _ in $(seq 50); do
  case $(tw_driver prop "${CONV_W[@]}" lblInfo.Caption) in 正在转换*) break ;; esac
  sleep 0.1
done
sleep 0.5
e2e_expect "add button during the run" "visible=1 enabled=0" "$(tw_driver state "${CONV_W[@]}" --text 新增)"

# Several looks at the bar as the job advances: the position before and after each screenshot
# bounds the width the skin must have filled.
checked=0
widths=""
filled=0
for round in $(seq 20); do
  case $(tw_driver prop "${CONV_W[@]}" lblInfo.Caption) in 正在转换*) ;; *) break ;; esac
  read -r pos0 min max < <(tw_driver progress "${CONV_W[@]}" --cclass TProgressBar)
  shot=$(TW_SETTLE=0.2 e2e_shot "running-$round")
  read -r pos1 _ _ < <(tw_driver progress "${CONV_W[@]}" --cclass TProgressBar)
  [ "$max" -gt "$min" ] || e2e_fail "round $round: the run ended before the bar was looked at"
  [ "$pos1" -ge "$pos0" ] || break  # the file ended during this look: the bar went back to 0
  got=$(pixels fill "$idle" "$shot" "$bar")
  lo=$(( (pw * (pos0 - min)) / (max - min) - 4 ))
  hi=$(( (pw * (pos1 - min)) / (max - min) + 4 ))
  widths="$widths $pos0..$pos1/$max:${got}px"
  [ "$got" -ge "$lo" ] && [ "$got" -le "$hi" ] ||
    e2e_fail "round $round: the bar shows $got px filled, its position $pos0..$pos1 of $min..$max wants $lo..$hi (see $shot)"
  echo "round $round: position $pos0..$pos1 of $min..$max, ${got} px of $pw filled"
  checked=$((checked + 1))
  [ "$got" -gt 0 ] && filled=$((filled + 1))
  if [ "$round" = 2 ]; then
    # The disabled look: the add and clear buttons differ from their enabled look, and the
    # whole window is still free of system colours.
    e2e_expect "system colours in the converting window" 0 "$(tw_signature_pixels "$shot" "$client")"
    for area in "${bw}x${bh}+${bx}+${by}" "${cw}x${chh}+${cx}+${cy}"; do
      diff=$(pixels changed "$idle" "$shot" "$area")
      echo "pixels changed on the disabled button at $area: $diff"
      [ "$diff" -ge 20 ] || e2e_fail "a button disabled by the run looks as it did enabled ($area)"
    done
  fi
  sleep 0.5
done
echo "progress seen:$widths"
[ "$checked" -ge 3 ] && [ "$filled" -ge 2 ] || e2e_fail "only $checked looks at the bar, $filled with a fill"

# Closing mid-run ends the encoder and the program cleanly.
e2e_close "${CONV_W[@]}"
e2e_expect "exit code" 0 "$E2E_RC"
conv_expect_nothing_left
e2e_pass
