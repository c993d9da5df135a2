#!/usr/bin/env bash
# The installer as a user meets it, under Wine: a silent install puts exactly the program, its
# tools, the FFmpeg build and the licence texts into Program Files and two Start-menu entries; the
# installed program starts and converts a clip; a silent uninstall removes every file and entry it
# made. The portable zip holds the same files.
# usage: tests/install/install_e2e.sh <build>/package/Tarnwick-<version>-x64.msi
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/e2e-lib.sh"

msi=${1:?usage: install_e2e.sh Tarnwick.msi}
e2e_init install "$msi"
. "$here/../convert/convert-lib.sh"
zip=${msi%.msi}-portable.zip
[ -f "$zip" ] || e2e_fail "no portable zip beside $msi"

wanted="README.txt
Tarnwick.exe
codecs/ffmpeg.exe
ffmpeg.exe
licences/Apache-2.0.txt
licences/FFmpeg.txt
licences/GPL-3.0.txt
licences/LGPL-2.1.txt
mplayer.exe"
e2e_expect "files of the portable zip" "$wanted" \
  "$(unzip -Z1 "$zip" | grep -v '/$' | sed 's|^Tarnwick/||' | sort)"

dir="$TW_PREFIX/drive_c/Program Files/Tarnwick"
menu="$TW_PREFIX/drive_c/users/$(whoami)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tarnwick"
msiexec() { WINEDEBUG=-all "$TW_WINE64" msiexec "$@" </dev/null; }
files_installed() { [ -d "$dir" ] && (cd "$dir" && find . -type f | sed 's|^\./||' | sort); }

msiexec /i "$(conv_win "$msi")" /qn || e2e_fail "the silent install failed ($?)"
e2e_expect "installed files" "$wanted" "$(files_installed)"
e2e_expect "Start-menu entries" "Tarnwick.lnk
Uninstall Tarnwick.lnk" "$(ls "$menu" 2>/dev/null | sort)"
cmp -s "$dir/Tarnwick.exe" "$TW_BUILD/bin/Tarnwick.exe" || e2e_fail "the installed program is not the one built"

# The installed program converts a clip with the tools and FFmpeg it was installed with.
E2E_APP="$dir/Tarnwick.exe"
media=$(conv_media)
out=$E2E_OUT/out
mkdir -p "$out"
e2e_start
tw_driver wait "${CONV_W[@]}" --timeout 30000 >/dev/null || e2e_fail "the installed program showed no window"
conv_add "$media/clip.avi"
conv_set_output "$out"
tw_driver click "${CONV_W[@]}" --text 立即转换 >/dev/null || e2e_fail "cannot press the convert button"
e2e_expect "status label" 转换完成 "$(conv_wait_done 120)"
got=$(conv_streams "$out/clip.3GP")
case $got in 3gp*" mpeg4 176x144 "*) echo "ok: the installed program converted: $got" ;;
  *) e2e_fail "the installed program's output is not a 3GP at 176x144: [$got]" ;; esac
e2e_shot installed-program >/dev/null
e2e_close "${CONV_W[@]}"
e2e_expect "exit code" 0 "$E2E_RC"

msiexec /x "$(conv_win "$msi")" /qn || e2e_fail "the silent uninstall failed ($?)"
e2e_expect "files left after uninstalling" "" "$(files_installed)"
[ ! -e "$dir" ] || e2e_fail "the program folder is left: $dir"
[ ! -e "$menu" ] || e2e_fail "the Start-menu folder is left: $(ls "$menu")"
echo "ok: nothing of the program is left"
e2e_pass
