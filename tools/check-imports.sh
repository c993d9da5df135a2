#!/usr/bin/env bash
# Checks that the shipped Windows programs start on a clean Windows: every DLL they import is a
# system DLL, none is a MinGW runtime (libstdc++, libgcc, libwinpthread). In a build without
# tests (the shipped one) it also checks that the program answers no property queries: its code
# never compares a message's tag with the query tag 'TWPQ' (0x54575051).
# usage: tools/check-imports.sh <windows build folder>
set -euo pipefail
build=${1:?usage: check-imports.sh <windows build folder>}
system='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|advapi32|msvcrt|shlwapi|uxtheme|version|winmm|ws2_32|imm32|rpcrt4|uuid|psapi|api-ms-win-[a-z0-9-]+)\.dll$'
status=0
shopt -s nullglob
exes=("$build"/bin/*.exe)
[ ${#exes[@]} -gt 0 ] || { echo "check-imports: no programs in $build/bin" >&2; exit 1; }
for exe in "${exes[@]}"; do
  objdump=x86_64-w64-mingw32-objdump
  file "$exe" | grep -q 'Intel 80386' && objdump=i686-w64-mingw32-objdump
  dlls=$($objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  bad=$(echo "$dlls" | grep -Ev "$system" || true)
  if [ -n "$bad" ]; then
    echo "check-imports: $(basename "$exe") imports non-system DLLs: $(echo $bad)" >&2
    status=1
  else
    echo "check-imports: $(basename "$exe"): $(echo $dlls)"
  fi
done
tests=$(sed -n 's/^TARNWICK_TESTS:BOOL=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
if [ "$tests" = OFF ] && [ -f "$build/bin/Tarnwick.exe" ]; then
  objdump=x86_64-w64-mingw32-objdump
  file "$build/bin/Tarnwick.exe" | grep -q 'Intel 80386' && objdump=i686-w64-mingw32-objdump
  # Counted, not grep -q: an early grep exit would fail the pipe and hide a hit.
  hits=$($objdump -d "$build/bin/Tarnwick.exe" | grep -ci '0x54575051' || true)
  if [ "${hits:-0}" -gt 0 ]; then
    echo "check-imports: Tarnwick.exe of a build without tests answers property queries" >&2
    status=1
  else
    echo "check-imports: Tarnwick.exe answers no property queries"
  fi
fi
exit $status
