# Shell functions of the Wine test bench: a private prefix and X display per build tree.
# Sourced by bench.sh, wine-run.sh, the end-to-end scripts and tools/run.sh; defines tw_* only.
#
# Layout inside a build tree:  <build>/wine-bench/{prefix/, env, xvfb.log, display}
# A configured template prefix is made once per machine (about ten seconds) and copied into the
# build tree; later bring-ups only reset that copy to the template's state.

TW_WINE64=/usr/lib/wine/wine64
TW_WINESERVER=/usr/lib/wine/wineserver
TW_SCREEN=1024x768
# Bump when the prefix configuration below changes: every template and prefix is rebuilt.
TW_PREFIX_VERSION=1
TW_TEMPLATE_ROOT=${TARNWICK_WINE_CACHE:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/tarnwick}

tw_say() { echo "bench: $*" >&2; }
tw_die() { echo "bench: error: $*" >&2; exit 1; }

# tw_find_build PATH: the build tree that PATH lies in (the nearest folder with a CMakeCache.txt).
tw_find_build() {
  local d
  d=$(cd "$(dirname "$1")" 2>/dev/null && pwd) || return 1
  [ -d "$1" ] && d=$(cd "$1" && pwd)
  while [ "$d" != "/" ]; do
    [ -f "$d/CMakeCache.txt" ] && { echo "$d"; return 0; }
    d=$(dirname "$d")
  done
  return 1
}

# tw_paths BUILD [NAME]: sets the paths of the bench NAME (default wine-bench, the tests' one)
# of that build tree.
tw_paths() {
  TW_BUILD=$(cd "$1" && pwd) || tw_die "no build folder $1"
  TW_BENCH=$TW_BUILD/${2:-wine-bench}
  TW_PREFIX=$TW_BENCH/prefix
  TW_ENV=$TW_BENCH/env
}

# The environment every Wine process of the bench runs with.
tw_export_wine() {
  export LANG=C.UTF-8
  export WINEPREFIX=$TW_PREFIX
  export WINEARCH=win64
  export WINELOADER=$TW_WINE64
  export WINESERVER=$TW_WINESERVER
  export WINEDEBUG=${TW_WINEDEBUG:-fixme-all}
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# tw_close_fds: closes every descriptor above stderr in the current (sub)shell, so a daemon
# started from it holds none of its caller's pipes (ctest waits for those to close).
tw_close_fds() {
  local fd
  for fd in $(ls "/proc/$BASHPID/fd"); do
    [ "$fd" -gt 2 ] && eval "exec $fd>&-"
  done
  return 0
}

# Starts the prefix's wineserver persistent and its services, all with stdio detached: a server
# that inherits a caller's pipe makes ctest wait for it (or hang, when persistent).
tw_prewarm() {
  ( tw_close_fds
    "$TW_WINESERVER" -p </dev/null >/dev/null 2>&1 || true
    "$TW_WINE64" cmd /c exit 0 </dev/null >/dev/null 2>&1 || true )
}

tw_stop_server() {
  [ -d "$WINEPREFIX" ] || return 0
  "$TW_WINESERVER" -k </dev/null >/dev/null 2>&1 || true
  "$TW_WINESERVER" -w </dev/null >/dev/null 2>&1 || true
}

# Creates the configured template prefix once per machine (under a lock: several build trees may
# come up at once). Runs without a display: wineboot is faster that way.
tw_make_template() {
  TW_TEMPLATE=$TW_TEMPLATE_ROOT/wine-template-v$TW_PREFIX_VERSION
  [ -f "$TW_TEMPLATE/.tw-ready" ] && return 0
  mkdir -p "$TW_TEMPLATE_ROOT"
  (
    flock 9
    [ -f "$TW_TEMPLATE/.tw-ready" ] && exit 0
    local started=$SECONDS tmp=$TW_TEMPLATE.tmp.$$
    rm -rf "$tmp" "$TW_TEMPLATE"
    tw_say "creating the template prefix $TW_TEMPLATE (once per machine, about 15 s)"
    ( tw_close_fds; TW_PREFIX=$tmp; tw_export_wine; unset DISPLAY
      "$TW_WINE64" wineboot -i </dev/null >/dev/null 2>&1 || exit 1
      # Debian's Wine does not register its own fonts (no Marlett: caption buttons draw as letters).
      cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
      R() { "$TW_WINE64" reg add "$@" /f </dev/null >/dev/null 2>&1; }
      # A virtual desktop for every process: Wine then paints window frames itself.
      R 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default || exit 1
      R 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d "$TW_SCREEN" || exit 1
      # The program's 12 px Chinese font, with a font that has clean bitmaps at that size.
      for n in 宋体 SimSun 新宋体 NSimSun; do
        R 'HKCU\Software\Wine\Fonts\Replacements' /v "$n" /t REG_SZ /d 'WenQuanYi Zen Hei Sharp' || exit 1
      done
      # Chinese glyphs in captions and system UI.
      for f in Tahoma 'Tahoma Bold' 'MS Shell Dlg' 'MS Shell Dlg 2'; do
        R 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$f" /t REG_MULTI_SZ \
          /d 'wqy-zenhei.ttc,WenQuanYi Zen Hei Sharp\0wqy-zenhei.ttc,WenQuanYi Zen Hei' || exit 1
      done
      # Saves the registry; the desktop key is read only when a desktop is created.
      tw_stop_server
      grep -q 'WenQuanYi Zen Hei Sharp' "$WINEPREFIX/user.reg" || exit 1
    ) || { rm -rf "$tmp"; tw_die "creating the template prefix failed"; }
    date +%s.%N >"$tmp/.tw-ready"
    mv "$tmp" "$TW_TEMPLATE"
    tw_say "template ready in $((SECONDS - started)) s"
  ) 9>"$TW_TEMPLATE_ROOT/.lock" || exit 1
}

# tw_refresh_prefix: the bench's prefix as the template left it. A prefix copied from the same
# template only gets its registry and user folders back and loses whatever was added to C:
# (copying all 700 MB again takes seconds on a busy machine); TW_FRESH=1 copies it anew.
tw_refresh_prefix() {
  local stamp
  stamp=$(cat "$TW_TEMPLATE/.tw-ready")
  mkdir -p "$TW_BENCH"
  if [ -z "${TW_FRESH:-}" ] && [ -d "$TW_PREFIX/drive_c" ] && [ "$(cat "$TW_PREFIX/.tw-ready" 2>/dev/null)" = "$stamp" ]; then
    cp -a "$TW_TEMPLATE"/*.reg "$TW_PREFIX"/
    local e
    for e in "$TW_PREFIX"/drive_c/*; do
      [ -e "$TW_TEMPLATE/drive_c/${e##*/}" ] || rm -rf "$e"
    done
    rm -rf "$TW_PREFIX/drive_c/users" "$TW_PREFIX/drive_c/windows/temp"
    cp -a "$TW_TEMPLATE/drive_c/users" "$TW_PREFIX/drive_c/users"
    cp -a "$TW_TEMPLATE/drive_c/windows/temp" "$TW_PREFIX/drive_c/windows/temp"
  else
    rm -rf "$TW_PREFIX"
    cp -a "$TW_TEMPLATE" "$TW_PREFIX"
  fi
  tw_signature_colours
}

# System colours no skin uses, for the parts of the non-client frame and the controls that a skin
# replaces: a pixel of one of them in a skinned window is a part the skin left to the system.
# (Window and text colours keep their defaults, so unskinned text still reads.)
TW_SIGNATURE_COLOURS=(
  ActiveBorder="253 2 2" InactiveBorder="252 3 3" WindowFrame="251 4 4"
  ActiveTitle="2 253 2" GradientActiveTitle="3 252 3" InactiveTitle="2 2 253" GradientInactiveTitle="3 3 252"
  ButtonFace="250 240 2" ButtonShadow="140 120 2" ButtonDkShadow="70 60 2" ButtonHilight="254 250 120"
  ButtonLight="252 246 60" Menu="2 240 240" MenuBar="4 236 236" Scrollbar="200 120 250"
)

# tw_signature_colours: gives the bench's prefix the colours above (TW_SIGNATURE_COLOURS_OFF=1:
# the system's own, for a bench where a person uses the program).
tw_signature_colours() {
  [ -z "${TW_SIGNATURE_COLOURS_OFF:-}" ] || return 0
  python3 - "$TW_PREFIX/user.reg" "${TW_SIGNATURE_COLOURS[@]}" <<'PY'
import sys
path, pairs = sys.argv[1], dict(p.split("=", 1) for p in sys.argv[2:])
lines = open(path, encoding="utf-8").read().split("\n")
inside = False
for i, line in enumerate(lines):
    if line.startswith("["):
        inside = line.startswith("[Control Panel\\\\Colors]")
    elif inside and line.startswith('"'):
        name = line[1:].split('"', 1)[0]
        if name in pairs:
            lines[i] = '"%s"="%s"' % (name, pairs[name])
open(path, "w", encoding="utf-8").write("\n".join(lines))
PY
}

# tw_signature_pixels FILE [WxH+X+Y]: how many pixels of the screenshot (or of that area of it)
# have one of the signature colours: one histogram of the area, its signature entries summed.
tw_signature_pixels() {
  local file=$1 area=${2:-} entry wanted=""
  for entry in "${TW_SIGNATURE_COLOURS[@]}"; do
    # shellcheck disable=SC2086 # "R G B" splits into its three numbers
    wanted+=$(printf ' #%02X%02X%02X' ${entry#*=})
  done
  convert "$file" ${area:+-crop "$area" +repage} -alpha off -depth 8 -format %c histogram:info:- |
    awk -v wanted="$wanted " '{ n = $1; sub(/:$/, "", n) } index(wanted, " " $3 " ") { total += n }
      END { print total + 0 }'
}

# tw_xvfb_alive PID: true when PID is a running Xvfb (a zombie waiting for its reaper is not).
tw_xvfb_alive() {
  [ -n "$1" ] && [ "$(cat "/proc/$1/comm" 2>/dev/null)" = "Xvfb" ] && tw_running "$1"
}

# tw_running PID: true while PID exists and is not a zombie.
tw_running() {
  local state
  state=$(sed -n 's/^State:[[:space:]]*\([A-Z]\).*/\1/p' "/proc/$1/status" 2>/dev/null)
  [ -n "$state" ] && [ "$state" != "Z" ] && [ "$state" != "X" ]
}

# tw_load_env: reads the bench's env file; false when the bench is not up.
tw_load_env() {
  [ -f "$TW_ENV" ] || return 1
  # shellcheck disable=SC1090
  . "$TW_ENV"
  [ -d "$WINEPREFIX" ] || return 1
  [ -z "${TW_XVFB_PID:-}" ] || tw_xvfb_alive "$TW_XVFB_PID" || return 1
  [ -n "${DISPLAY:-}" ]
}

# tw_up [DISPLAY]: brings the bench up: a fresh copy of the template prefix, an own Xvfb (or the
# given display), a prewarmed wineserver and the env file. Restarts a bench that is already up.
tw_up() {
  local use_display=${1:-} started=$SECONDS
  tw_down quiet
  tw_make_template
  mkdir -p "$TW_BENCH"
  # A server left over from a bench that was never taken down still holds the old prefix.
  ( tw_export_wine; tw_stop_server )
  tw_refresh_prefix

  local pid=""
  if [ -z "$use_display" ]; then
    command -v Xvfb >/dev/null || tw_die "Xvfb is missing: run tools/setup/setup.sh"
    rm -f "$TW_BENCH/display"
    # -displayfd: Xvfb picks a free display and writes its number once it accepts clients.
    ( tw_close_fds
      exec Xvfb -displayfd 3 -screen 0 "${TW_SCREEN}x24" -nolisten tcp \
        </dev/null >"$TW_BENCH/xvfb.log" 2>&1 3>"$TW_BENCH/display" ) &
    pid=$!
    local i
    for i in $(seq 600); do
      grep -q '^[0-9][0-9]*$' "$TW_BENCH/display" 2>/dev/null && break
      tw_running "$pid" || break   # (the subshell becomes Xvfb only at its exec)
      sleep 0.05
    done
    grep -q '^[0-9][0-9]*$' "$TW_BENCH/display" 2>/dev/null \
      || { kill "$pid" 2>/dev/null; tw_die "Xvfb did not start: $(tail -5 "$TW_BENCH/xvfb.log")"; }
    use_display=:$(cat "$TW_BENCH/display")
  fi
  {
    echo "# Written by tests/wine/bench.sh up; source it to run Wine inside this bench."
    echo "export DISPLAY=$use_display"
    echo "export LANG=C.UTF-8"
    echo "export WINEPREFIX=$TW_PREFIX"
    echo "export WINEARCH=win64"
    echo "export WINELOADER=$TW_WINE64"
    echo "export WINESERVER=$TW_WINESERVER"
    echo "export WINEDEBUG=\${TW_WINEDEBUG:-fixme-all}"
    echo "export WINEDLLOVERRIDES='mscoree,mshtml='"
    echo "TW_XVFB_PID=$pid"
    echo "TW_BUILD=$TW_BUILD"
  } >"$TW_ENV.tmp"
  DISPLAY=$use_display
  export DISPLAY
  tw_export_wine
  tw_prewarm
  mv "$TW_ENV.tmp" "$TW_ENV"
  tw_say "up in $((SECONDS - started)) s: DISPLAY=$use_display WINEPREFIX=$TW_PREFIX${pid:+ Xvfb pid $pid}"
}

# tw_down [quiet]: stops the bench's wineserver (every Wine process of its prefix) and its Xvfb.
tw_down() {
  [ -f "$TW_ENV" ] || { [ -n "${1:-}" ] || tw_say "not up"; return 0; }
  local TW_XVFB_PID=""
  (
    # shellcheck disable=SC1090
    . "$TW_ENV"
    tw_stop_server
  )
  rm -rf "$TW_BENCH"/driver.*
  TW_XVFB_PID=$(sed -n 's/^TW_XVFB_PID=//p' "$TW_ENV")
  if tw_xvfb_alive "$TW_XVFB_PID"; then
    kill "$TW_XVFB_PID" 2>/dev/null || true
    local i
    for i in $(seq 100); do tw_xvfb_alive "$TW_XVFB_PID" || break; sleep 0.05; done
  fi
  rm -f "$TW_ENV"
  [ -n "${1:-}" ] || tw_say "down"
}

# tw_shot FILE: a screenshot of the whole display, after a short settle so Wine has flushed
# its window surfaces.
tw_shot() {
  sleep "${TW_SETTLE:-0.5}"
  mkdir -p "$(dirname "$1")"
  import -display "$DISPLAY" -window root "$1"
}

# tw_xclick X Y: a real left click at screen point X,Y of the bench's display (through X, so the
# program's own hit-testing sees it; the point must not be covered). twdriver's tree prints
# screen rectangles: the virtual desktop sits at the display's origin.
tw_xclick() {
  xdotool mousemove --sync "$1" "$2" click 1
}

# tw_xkeys KEYS...: real key presses (xdotool key names, e.g. Return, ctrl+a, BackSpace).
tw_xkeys() {
  xdotool key --delay 20 "$@"
}

# tw_driver ARGS: runs twdriver.exe of the build tree inside the bench (env loaded): its stdout
# on stdout, its stderr on stderr, its exit status as the status.
# A script's calls go to one driver process, "twdriver.exe --serve", started on the first call
# (a Wine process start is most of what a call costs). It answers one call at a time, the same
# texts and statuses the driver gives on its own; a call runs on its own instead (a driver
# process of its own, as every call once did) when it cannot be framed, when another call of
# the script is being answered, and when the server cannot start, dies or gives no answer.
# A script asks for the server with TW_DRIVER_SERVE=1; without it every call starts a driver of
# its own. The whole suite has passed through the server, but calls that come a few
# milliseconds apart find races one-shot calls never met (a message box still up when the next
# call looked for the box that follows it), so it stays opt-in until it has passed again.
tw_driver() {
  if [ "${TW_DRIVER_SERVE:-0}" = 1 ] && tw_driver_ask "$@"; then return "$TW_DRIVER_STATUS"; fi
  tw_driver_oneshot "$@"
}

# How long a call may go unanswered, in seconds beyond its own --timeout, before the server is
# taken for hung: it is killed, and the call runs on its own.
TW_DRIVER_ANSWER_TIMEOUT=${TW_DRIVER_ANSWER_TIMEOUT:-120}

# Now and then a Wine process cannot even start (its loader finds the fixed address of the
# shared user data taken: "failed to map the shared user data"); the driver never ran then, so
# running it again is safe and is what keeps one unlucky start from failing a whole script.
tw_driver_oneshot() {
  local err attempt status
  err=$(mktemp)
  for attempt in 1 2 3; do
    "$TW_WINE64" "$TW_BUILD/bin/twdriver.exe" "$@" </dev/null 2>"$err"
    status=$?
    if [ "$status" -eq 0 ] || ! grep -q "failed to map the shared user data" "$err"; then
      break
    fi
    echo "tw_driver: Wine could not start the driver (attempt $attempt), again" >&2
  done
  cat "$err" >&2
  rm -f "$err"
  return "$status"
}

# The server's folder: its pid, its two fifos, its log and the lock that keeps two calls of the
# script (from $( ) subshells, pipelines, background jobs: $$ is the script's in all of them)
# from interleaving.
tw_driver_dir() { echo "$TW_BENCH/driver.$$"; }

# tw_driver_alive PID: tw_running with builtins only (it runs on every call).
tw_driver_alive() {
  local stat=""
  [ -n "$1" ] && read -r stat <"/proc/$1/stat" 2>/dev/null || return 1
  stat=${stat##*) }
  [ "${stat%% *}" != Z ] && [ "${stat%% *}" != X ]
}

# tw_driver_ask ARGS: one call answered by the script's server; sets TW_DRIVER_STATUS. False
# when the call was not answered and must run on its own (nothing printed then).
tw_driver_ask() {
  [ -z "${TW_DRIVER_ONESHOT:-}" ] && [ -n "${TW_BENCH:-}" ] || return 1
  local a
  for a in "$@"; do
    case $a in *$'\n'* | *$'\x1f'*) return 1 ;; esac
  done
  local dir=$TW_BENCH/driver.$$ lock
  [ -d "$dir" ] || mkdir -p "$dir" 2>/dev/null || return 1
  exec {lock}>>"$dir/lock" || return 1
  # Busy: another call of the script is being answered, e.g. one in the background that waits
  # for a dialog the foreground is about to open. Waiting for it could deadlock them.
  if ! flock -n "$lock"; then
    exec {lock}>&-
    return 1
  fi
  local answered=1
  tw_driver_exchange "$dir" "$@" && answered=0
  exec {lock}>&-
  return "$answered"
}

# tw_driver_exchange DIR ARGS: (under the lock) starts the server if none runs, sends the
# request and prints its answer.
tw_driver_exchange() {
  local dir=$1
  shift
  [ ! -e "$dir/broken" ] || return 1
  local pid=""
  # A call that died between its request and its answer (killed from outside) left the server
  # busy with it, or its answer unread: that server could only answer the wrong call.
  [ ! -s "$dir/pending" ] || tw_driver_kill "$dir"
  [ ! -e "$dir/pid" ] || read -r pid <"$dir/pid"
  if ! tw_driver_alive "$pid"; then
    tw_driver_start "$dir" || return 1
    read -r pid <"$dir/pid"
  fi
  local LC_ALL=C to rd waited=$TW_DRIVER_ANSWER_TIMEOUT prev="" a request="" header
  # Waiting commands wait inside the server: their own --timeout comes on top.
  for a in "$@"; do
    [ "$prev" = --timeout ] && [[ $a =~ ^[0-9]+$ ]] && waited=$((waited + a / 1000 + 1))
    prev=$a
    request+=$'\x1f'$a
  done
  # Read-write opens never wait for the other end (the server holds both of its ends).
  exec {to}<>"$dir/in" {rd}<>"$dir/out" || return 1
  echo "$BASHPID" >"$dir/pending"
  printf '%s\n' "$request" >&"$to"
  if ! tw_driver_line "$rd" "$pid" $((SECONDS + waited)) header; then
    exec {to}>&- {rd}<&-
    if tw_driver_alive "$pid"; then
      echo "tw_driver: the driver server gave no answer in $waited s; it is restarted, the call runs on its own" >&2
    else
      echo "tw_driver: the driver server ended during the call; the call runs on its own" >&2
    fi
    tw_driver_kill "$dir"
    return 1
  fi
  local status nout nerr body=""
  read -r status nout nerr <<<"$header"
  if ! [[ $status =~ ^[0-9]+$ && $nout =~ ^[0-9]+$ && $nerr =~ ^[0-9]+$ ]] ||
    { [ $((nout + nerr)) -gt 0 ] && ! IFS= read -r -N $((nout + nerr)) -t 30 -u "$rd" body; }; then
    exec {to}>&- {rd}<&-
    echo "tw_driver: the driver server's answer was cut short; it is restarted, the call runs on its own" >&2
    tw_driver_kill "$dir"
    return 1
  fi
  exec {to}>&- {rd}<&-
  : >"$dir/pending"
  printf '%s' "${body:0:nout}"
  printf '%s' "${body:nout}" >&2
  TW_DRIVER_STATUS=$status
  return 0
}

# tw_driver_line FD PID DEADLINE VAR: reads one line from the server into VAR; false when the
# server ended or DEADLINE (in $SECONDS) passed first.
tw_driver_line() {
  local fd=$1 pid=$2 deadline=$3 part got=""
  while :; do
    if IFS= read -r -t 1 -u "$fd" part; then
      printf -v "$4" '%s' "$got$part"
      return 0
    elif [ $? -le 128 ]; then
      return 1
    fi
    got+=$part
    tw_driver_alive "$pid" && [ "$SECONDS" -lt "$deadline" ] || return 1
  done
}

# tw_driver_start DIR: starts the server, detached from the caller (a $( ) must not wait for
# it, nor ctest) and from the script's own children (a bare `wait` must not wait for it).
tw_driver_start() {
  local dir=$1 attempt rd ready
  for attempt in 1 2 3; do
    rm -f "$dir/in" "$dir/out" "$dir/pid" "$dir/pending"
    mkfifo "$dir/in" "$dir/out" || return 1
    ( (tw_close_fds
      exec "$TW_WINE64" "$TW_BUILD/bin/twdriver.exe" --serve <>"$dir/in" 1<>"$dir/out" 2>"$dir/log") &
      echo $! >"$dir/pid" )
    exec {rd}<>"$dir/out" || return 1
    if tw_driver_line "$rd" "$(cat "$dir/pid")" $((SECONDS + 60)) ready && [ "$ready" = "twdriver serving" ]; then
      exec {rd}<&-
      return 0
    fi
    exec {rd}<&-
    tw_driver_kill "$dir"
    grep -q "failed to map the shared user data" "$dir/log" 2>/dev/null || break
    echo "tw_driver: Wine could not start the driver server (attempt $attempt), again" >&2
  done
  echo "tw_driver: the driver server did not start (log: $dir/log); calls run on their own" >&2
  : >"$dir/broken"
  return 1
}

tw_driver_kill() {
  local pid
  local pid=""
  [ ! -e "$1/pid" ] || read -r pid <"$1/pid"
  [ -z "$pid" ] || kill -9 "$pid" 2>/dev/null
  rm -f "$1/pid" "$1/pending"
  return 0
}

# tw_driver_stop: ends the script's server (at the script's end; the bench's end ends them all).
tw_driver_stop() {
  [ -n "${TW_BENCH:-}" ] || return 0
  local dir pid="" to i
  dir=$(tw_driver_dir)
  [ -d "$dir" ] || return 0
  [ ! -e "$dir/pid" ] || read -r pid <"$dir/pid"
  if tw_driver_alive "$pid" && exec {to}<>"$dir/in"; then
    echo quit >&"$to"
    exec {to}>&-
    for i in $(seq 40); do tw_driver_alive "$pid" || break; sleep 0.05; done
  fi
  tw_driver_kill "$dir"
  rm -rf "$dir"
}

# tw_start_app LOG EXE [ARGS]: starts a Windows program in the background, its output in LOG;
# sets TW_APP_PID (the wine64 process, whose exit status is the program's).
tw_start_app() {
  local log=$1; shift
  ( tw_close_fds; exec "$TW_WINE64" "$@" </dev/null >"$log" 2>&1 ) &
  TW_APP_PID=$!
}

# tw_dark_pixels FILE WxH+X+Y: how many pixels of that area are dark (text on a light ground).
tw_dark_pixels() {
  convert "$1" -crop "$2" +repage -colorspace Gray -threshold 60% -format '%[fx:round(w*h*(1-mean))]' info:
}
