#!/usr/bin/env bash
# Wall time of the encoder front-end against the real FFmpeg run directly with the same settings,
# on the same sources. Prints one line per source and the overall ratio (goal: at most 1.03).
# Usage: tests/tools/bench_encode.sh <front-end ffmpeg> [real ffmpeg] [runs per source]
# Windows builds (.exe) run under wine64 in the environment given (source a bench's env file first):
#   . build/win64/wine-bench/env; tests/tools/bench_encode.sh build/win64/bin/ffmpeg.exe build/win64/bin/codecs/ffmpeg.exe
set -euo pipefail
front=${1:?usage: bench_encode.sh <front-end ffmpeg> [real ffmpeg] [runs]}
real=${2:-$(command -v ffmpeg)}
runs=${3:-5}
here=$(cd "$(dirname "$0")/../.." && pwd)
media=${TW_BENCH_MEDIA:-/tmp/tarnwick-bench-media}

bash "$here/tools/media/make-test-media.sh" "$media"
# One longer source as well, closer to what is converted for real.
if [ ! -f "$media/bench-60s.avi" ]; then
  ffmpeg -hide_banner -nostdin -loglevel error -y \
    -f lavfi -i testsrc2=size=640x480:rate=25:duration=60 \
    -f lavfi -i sine=frequency=440:sample_rate=44100:duration=60 \
    -c:v mpeg4 -q:v 4 -c:a libmp3lame -b:a 128k -f avi "$media/.tmp-bench-60s.avi"
  mv -f "$media/.tmp-bench-60s.avi" "$media/bench-60s.avi"
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
wrap=()
host() { echo "$1"; }
if [[ $front == *.exe ]]; then
  wrap=(/usr/lib/wine/wine64)
  host() { local p=$1; echo "Z:${p//\//\\}"; }
fi
# The same audio encoder the front-end picks for this FFmpeg build.
if "${wrap[@]}" "$real" -hide_banner -encoders 2>/dev/null | grep -q ' libopencore_amrnb '; then acodec=libopencore_amrnb; else acodec=aac; fi

# Each run leaves "wall user system" seconds (children included) in the file named first.
timed() { local into=$1; shift; /usr/bin/time -f '%e %U %S' -o "$into" -a "$@" >/dev/null 2>&1; }
run_front() {
  timed "$1" "${wrap[@]}" "$front" -i "$(host "$2")" -vcodec mpeg4 -f 3gp -b 120K -r 14.985 -s 176x144 -ar 8000 \
    -ab 12.2K -ac 1 -y "$(host "$out/front.3GP")"
}
run_real() {
  timed "$1" "${wrap[@]}" "$real" -hide_banner -nostdin -y -i "$(host "$2")" -map '0:V:0?' -map '0:a:0?' \
    -c:v mpeg4 -b:v 120K -r 14.985 -s 176x144 -c:a "$acodec" -b:a 12.2K -ar 8000 -ac 1 -f 3gp \
    "$(host "$out/real.3GP")"
}
# Median wall time and mean processor time (user + system) of a file of runs.
stats() { sort -n "$1" | awk '{ w[NR] = $1; c += $2 + $3 } END { m = (NR % 2) ? w[(NR + 1) / 2] : (w[NR / 2] + w[NR / 2 + 1]) / 2; printf "%.3f %.3f", m, c / NR }'; }

run_front /dev/null "$media/clip.avi"  # warms the disk cache and the front-end's remembered encoder list
echo "front-end: $front"
echo "real:      $real ($acodec), $runs runs per source, median wall seconds, mean CPU seconds"
printf '%-14s %9s %9s %7s %9s %9s %7s\n' source front_wall real_wall ratio front_cpu real_cpu ratio
sum_fw=0 sum_rw=0 sum_fc=0 sum_rc=0
for name in clip.avi clip.mpg clip.vob clip.wmv clip.mp4 clip.mov clip.rm bench-60s.avi; do
  : >"$out/front.t"; : >"$out/real.t"
  for _ in $(seq "$runs"); do
    # Alternate the two so that drifting machine load hits both alike.
    run_front "$out/front.t" "$media/$name"
    run_real "$out/real.t" "$media/$name"
  done
  read -r fw fc <<<"$(stats "$out/front.t")"
  read -r rw rc <<<"$(stats "$out/real.t")"
  sum_fw=$(echo "$sum_fw + $fw" | bc -l); sum_rw=$(echo "$sum_rw + $rw" | bc -l)
  sum_fc=$(echo "$sum_fc + $fc" | bc -l); sum_rc=$(echo "$sum_rc + $rc" | bc -l)
  printf '%-14s %9.3f %9.3f %7.3f %9.3f %9.3f %7.3f\n' "$name" "$fw" "$rw" "$(echo "$fw / $rw" | bc -l)" \
    "$fc" "$rc" "$(echo "$fc / $rc" | bc -l)"
done
printf '%-14s %9.3f %9.3f %7.3f %9.3f %9.3f %7.3f\n' all "$sum_fw" "$sum_rw" "$(echo "$sum_fw / $sum_rw" | bc -l)" \
  "$sum_fc" "$sum_rc" "$(echo "$sum_fc / $sum_rc" | bc -l)"
