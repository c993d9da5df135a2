#!/usr/bin/env bash
# Benchmark, run by hand: the wall time of converting the test set through the program against
# running the encoder front-end directly on the same files with the same options (goal: at most
# 1.03 times), and the program's own CPU time during its runs (goal: under 1% of one core).
# The program's run is timed by conv_run_timer (it presses "立即转换" and watches the button come
# back); the direct runs go through one batch file under the same Wine, less the cost of starting
# cmd itself. The two kinds of run take turns (program first in odd rounds, direct first in even
# ones), so that a change in the machine's load falls on both alike; the figures are the median
# of the rounds' ratios and CPU shares, with each round's own, and the ratio of the quickest
# round of each kind. Then one long source, which shows the cost while an encoder works rather
# than each job's own. During the program's runs its threads are sampled, to tell where its CPU
# goes: the UI thread, the runner's reader threads (one per job) and Wine's own. Then, with the
# stand-in tool as encoder, where the program's time goes: waiting on a silent encoder, each
# job's own cost, and the launch of one console child with each console choice.
# usage: tests/convert/bench_convert.sh <build>/bin/Tarnwick.exe [ROUNDS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/e2e-lib.sh"

e2e_init convert-bench "${1:?usage: bench_convert.sh Tarnwick.exe [ROUNDS]}"
. "$here/convert-lib.sh"
rounds=${2:-3}

timer=$TW_BUILD/bin/test-tools/conv_run_timer.exe
[ -f "$timer" ] || e2e_fail "build the conv_run_timer target"
[ -f "$TW_BUILD/bin/codecs/ffmpeg.exe" ] || e2e_fail "no Windows FFmpeg in $TW_BUILD/bin/codecs"
media=$(conv_media)

# The set: one source of every family (3 s each) and one 12 s source.
src=$E2E_OUT/src
mkdir -p "$src"
set_files=()
for f in avi mpg vob dat wmv asf mp4 3gp mov rm; do
  cp "$media/clip.$f" "$src/$f.$f"
  set_files+=("$src/$f.$f")
done
cp "$media/long.avi" "$src/long.avi"
set_files+=("$src/long.avi")

now() { date +%s.%N; }
ms_since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.0f", (b - a) * 1000 }'; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)

# The batch file of the direct runs: the program's own command lines, into another folder.
direct_batch() {  # OUTDIR BATCH
  local s name
  {
    echo "@echo off"
    for s in "${set_files[@]}"; do
      name=$(basename "$s"); name=${name%.*}
      printf '"%s" -i "%s" -vcodec mpeg4 -f 3gp -b 120K -r 14.985 -s 176x144 -ar 8000 -ab 12.2K -ac 1  -y  "%s" >NUL 2>&1\r\n' \
        "$(conv_win "$TW_BUILD/bin/ffmpeg.exe")" "$(conv_win "$s")" "$(conv_win "$1")\\$name.3GP"
    done
  } >"$2"
}

e2e_start
tw_driver wait "${CONV_W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear"
app=$TW_APP_PID
case $(cat "/proc/$app/comm") in Tarnwick.exe) ;; *) e2e_fail "pid $app is $(cat "/proc/$app/comm"), not the program" ;; esac
for s in "${set_files[@]}"; do conv_add "$s"; done

# What starting cmd costs alone, taken off the direct runs.
cmd_ms=()
for i in 1 2 3; do
  t=$(now); "$TW_WINE64" cmd /c exit 0 </dev/null >/dev/null 2>&1; cmd_ms+=("$(ms_since "$t")")
done
cmd_base=$(printf '%s\n' "${cmd_ms[@]}" | sort -n | sed -n 2p)

threads_now() {  # PID: "tid ns comm" of each thread, ns its CPU time so far (exact, from the scheduler)
  local t ns rest comm
  for t in /proc/"$1"/task/*; do
    read -r ns rest <"$t/schedstat" 2>/dev/null || continue
    read -r comm <"$t/comm" 2>/dev/null || comm=?
    echo "${t##*/} $ns $comm"
  done
}
# thread_sampler PID OUT: while PID lives, its threads every 0.2 s (builtins, so that sampling
# costs little).
thread_sampler() {
  while [ -d "/proc/$1" ]; do
    threads_now "$1"
    sleep 0.2
  done >>"$2"
}

program_run() {  # ROUND: one run of the program; sets run cpu
  local out=$E2E_OUT/program-$1 before after sampler
  tw_driver settext "${CONV_W[@]}" --cclass TEdit "$(conv_win "$out")\\" || e2e_fail "cannot set the output folder"
  threads_now "$app" | sed 's/^/before /' >>"$E2E_OUT/threads.txt"
  thread_sampler "$app" "$E2E_OUT/threads-$1.txt" &
  sampler=$!
  before=$(cpu_ticks "$app")
  run=$("$TW_WINE64" "$timer" TFrmMain 立即转换 </dev/null | sed -n 's/^run_ms //p' | tr -d '\r')
  after=$(cpu_ticks "$app")
  kill "$sampler" 2>/dev/null || true
  wait "$sampler" 2>/dev/null || true
  threads_now "$app" >>"$E2E_OUT/threads-$1.txt"
  threads_now "$app" | sed 's/^/after /' >>"$E2E_OUT/threads.txt"
  echo "ticks $((after - before))" >>"$E2E_OUT/threads.txt"
  [ -n "$run" ] || e2e_fail "the run timer gave no figure"
  e2e_expect "status label, round $1" "转换完成" "$(tw_driver prop "${CONV_W[@]}" lblInfo.Caption)" >/dev/null
  [ "$(find "$out" -name '*.3GP' -size +0 | wc -l)" = "${#set_files[@]}" ] || e2e_fail "the program's round $1 made no full set"
  cpu=$((after - before))
}

direct_run() {  # ROUND: the same set through one batch file; sets direct
  local dout=$E2E_OUT/direct-$1 t
  mkdir -p "$dout"
  direct_batch "$dout" "$E2E_OUT/direct-$1.bat"
  t=$(now)
  "$TW_WINE64" cmd /c "$(conv_win "$E2E_OUT/direct-$1.bat")" </dev/null >/dev/null 2>&1
  direct=$(( $(ms_since "$t") - cmd_base ))
  [ "$(find "$dout" -name '*.3GP' -size +0 | wc -l)" = "${#set_files[@]}" ] || e2e_fail "the direct round $1 made no full set"
}

# thread_table ROUNDS: the program's CPU by thread over its runs. A thread's share in a round is
# its last sampled time less its time before the run (0 for one born during it); what threads
# that ended between two samples used is the rest of the process's own count.
thread_table() {
  local r
  for r in $(seq "$1"); do
    awk -v r="$r" -v app="$app" '
      FNR == 1 { file++ }
      file == 1 && $1 == "before" { seen_before[$2] = $3 }
      file == 1 && $1 == "after" { }
      file == 2 { last[$1] = $2; comm[$1] = $3 }
      END {
        for (t in last) {
          d = last[t] - (t in seen_before ? seen_before[t] : 0)
          if (t == app) kind = "ui"
          else if (t in seen_before) kind = "wine:" comm[t]
          else kind = "reader"
          printf "%d %s %.0f %s\n", r, kind, d, t
        }
      }' <(awk -v n="$r" '/^ticks /{k++; next} k == n - 1' "$E2E_OUT/threads.txt") "$E2E_OUT/threads-$r.txt"
  done
}

results=()
for r in $(seq "$rounds"); do
  if [ $((r % 2)) -eq 1 ]; then program_run "$r"; direct_run "$r"
  else direct_run "$r"; program_run "$r"; fi
  results+=("$run $direct $cpu")
  awk -v r="$r" -v p="$run" -v d="$direct" -v c="$cpu" -v hz="$hz" 'BEGIN {
    printf "round %d: program %6.0f ms  direct %6.0f ms  ratio %.3f  program CPU %4.0f ms = %.2f%% of a core\n",
           r, p, d, p / d, 1000 * c / hz, 100 * (c / hz) / (p / 1000) }'
done

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio_median=$(printf '%s\n' "${results[@]}" | awk '{ printf "%.4f\n", $1 / $2 }' | median)
share_median=$(printf '%s\n' "${results[@]}" | awk -v hz="$hz" '{ printf "%.4f\n", 100 * ($3 / hz) / ($1 / 1000) }' | median)
printf '%s\n' "${results[@]}" | awk -v hz="$hz" -v n="${#set_files[@]}" -v base="$cmd_base" -v rounds="$rounds" \
    -v rm="$ratio_median" -v sm="$share_median" '
  { tp += $1; td += $2; tc += $3
    if (NR == 1 || $1 < bp) bp = $1
    if (NR == 1 || $2 < bd) bd = $2 }
  END {
    printf "set: %d files, %d rounds; cmd start-up taken off the direct runs: %d ms\n", n, rounds, base
    printf "median ratio program/direct: %.3f (goal <= 1.03); totals: program %.1f s, direct %.1f s, ratio %.3f\n",
           rm, tp / 1000, td / 1000, tp / td
    printf "median program CPU: %.2f%% of one core (goal < 1%%); all runs: %.2f s in %.1f s = %.2f%%, %.0f ms a run\n",
           sm, tc / hz, tp / 1000, 100 * (tc / hz) / (tp / 1000), 1000 * (tc / hz) / rounds
    # Other work on the machine only ever lengthens a run: the quickest of each kind is the
    # least disturbed.
    printf "quickest rounds: program %.0f ms, direct %.0f ms, ratio %.3f\n", bp, bd, bp / bd
  }'
# Per thread, over all rounds.
{ thread_table "$rounds"; printf '%s\n' "${results[@]}" | awk -v hz="$hz" '{ print "total", $1, $3 * 1e9 / hz }'; } | awk '
  $1 == "total" { wall += $2; process += $3; next }
  { ns[$2] += $3; sum += $3; if ($2 == "reader") readers++ }
  END {
    printf "program CPU by thread, all runs (%.1f s):\n", wall / 1000
    for (k in ns) {
      name = k == "ui" ? "UI thread" : k == "reader" ? sprintf("reader threads (%d)", readers) : k
      printf "  %-28s %8.1f ms  %.3f%% of a core\n", name, ns[k] / 1e6, 100 * (ns[k] / 1e9) / (wall / 1000)
    }
    rest = process - sum
    printf "  %-28s %8.1f ms  (threads that ended between samples; the process count is in 10 ms steps)\n",
           "rest of the process count", rest / 1e6
  }'
e2e_close "${CONV_W[@]}"

# The set's clips encode in half a second each, so what every job costs once (making the
# encoder's process, the row, the label and the bar set back) outweighs the run itself. A real
# video takes minutes: one 10-minute source (640x480) shows what the program costs while an
# encoder works, against the same encoder run directly.
long_src=$(conv_long_source 600)
e2e_start
tw_driver wait "${CONV_W[@]}" --timeout 30000 >/dev/null || e2e_fail "the main window did not appear"
app=$TW_APP_PID
conv_add "$long_src"
long_results=()
short_files=("${set_files[@]}")
set_files=("$long_src")
for r in 1 2; do
  tw_driver settext "${CONV_W[@]}" --cclass TEdit "$(conv_win "$E2E_OUT/long-$r")\\" || e2e_fail "cannot set the output folder"
  before=$(cpu_ticks "$app")
  run=$("$TW_WINE64" "$timer" TFrmMain 立即转换 </dev/null | sed -n 's/^run_ms //p' | tr -d '\r')
  after=$(cpu_ticks "$app")
  [ -n "$run" ] && [ -s "$E2E_OUT/long-$r/long-600s.3GP" ] || e2e_fail "the long source's round $r made no output"
  direct_run "long-$r"
  long_results+=("$run $direct $((after - before))")
done
set_files=("${short_files[@]}")
printf '%s\n' "${long_results[@]}" | awk -v hz="$hz" '
  { tp += $1; td += $2; tc += $3 }
  END {
    printf "10-minute source, 2 rounds: program %.1f s, direct %.1f s, ratio %.3f; program CPU %.2f s = %.2f%% of a core (goal < 1%%)\n",
           tp / 1000, td / 1000, tp / td, tc / hz, 100 * (tc / hz) / (tp / 1000)
  }'
e2e_close "${CONV_W[@]}"

# Where the program's CPU goes, with the stand-in tool as encoder: a silent encoder that runs
# 10 s (the cost of waiting), then 11 jobs whose encoder ends at once (the cost of each job).
fake=$TW_BUILD/bin/test-tools/conv_fake_tool.exe
[ -f "$fake" ] || e2e_fail "build the conv_fake_tool target"
prog=$E2E_OUT/fake
mkdir -p "$prog/out"
cp "$E2E_APP" "$prog/Tarnwick.exe"
cp "$fake" "$prog/mplayer.exe"
cp "$fake" "$prog/ffmpeg.exe"
printf 'ID_LENGTH=10\n' >"$prog/mplayer.exe.out"
E2E_APP=$prog/Tarnwick.exe
e2e_start
tw_driver wait "${CONV_W[@]}" --timeout 30000 >/dev/null || e2e_fail "the stand-in program did not appear"
app=$TW_APP_PID
tw_driver settext "${CONV_W[@]}" --cclass TEdit "$(conv_win "$prog/out")\\" || e2e_fail "cannot set the output folder"
conv_add "${set_files[0]}"
timed_run() {  # prints "run_ms cpu_ticks"
  local before run after
  before=$(cpu_ticks "$app")
  run=$("$TW_WINE64" "$timer" TFrmMain 立即转换 </dev/null | sed -n 's/^run_ms //p' | tr -d '\r')
  after=$(cpu_ticks "$app")
  echo "$run $((after - before))"
}
echo 10000 >"$prog/ffmpeg.exe.sleep"
read -r silent_ms silent_cpu < <(timed_run)
rm -f "$prog/ffmpeg.exe.sleep"
for i in $(seq 10); do conv_add "${set_files[0]}"; done
read -r jobs_ms jobs_cpu < <(timed_run)
awk -v sm="$silent_ms" -v sc="$silent_cpu" -v jm="$jobs_ms" -v jc="$jobs_cpu" -v hz="$hz" 'BEGIN {
  printf "stand-in encoder, silent for 10 s: run %.1f s, program CPU %.2f s = %.2f%% of a core\n",
         sm / 1000, sc / hz, 100 * (sc / hz) / (sm / 1000)
  printf "stand-in encoder ending at once, 11 jobs: run %.1f s, program CPU %.2f s = %.1f ms a job\n",
         jm / 1000, jc / hz, 1000 * (jc / hz) / 11 }'
e2e_close "${CONV_W[@]}"

# The runner gives each encoder a console of its own; what that costs a launch here.
echo "starting one console child (the stand-in tool) under this Wine:"
"$TW_WINE64" "$TW_BUILD/bin/test-tools/conv_launch_cost.exe" "$(conv_win "$prog/ffmpeg.exe")" 11 </dev/null | tr -d '\r'
