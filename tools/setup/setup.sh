#!/usr/bin/env bash
# Installs what building and testing the converter needs on a Debian 12 machine (run as root).
# Idempotent: a second run on a ready machine only checks and returns.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)

apt_packages=(
  cmake ninja-build ccache pkg-config
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64
  wine wine64 fonts-wine fonts-wqy-zenhei xvfb xdotool imagemagick
  googletest libgtest-dev libbenchmark-dev
  ffmpeg clang libclang-rt-14-dev llvm
  file bc clang-format python3
  wixl unzip
)
# The machine image brings Node.js with npm; Debian's npm only where there is none.
command -v npm >/dev/null 2>&1 || apt_packages+=(nodejs npm)

missing=()
for p in "${apt_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Windows builds of FFmpeg come from npm packages; they are unpacked once into a cache folder
# of the source tree (ignored by git) that the build copies beside the program.
ffdir="$here/third_party_cache/ffmpeg"
if [ ! -f "$ffdir/.done" ]; then
  mkdir -p "$ffdir"
  # --force: the packages declare os=win32, and this machine only unpacks them.
  ( cd "$ffdir" && npm install --no-audit --no-fund --silent --force \
      @ffmpeg-installer/win32-x64 @ffmpeg-installer/win32-ia32 @ffprobe-installer/win32-x64 >/dev/null )
  touch "$ffdir/.done"
fi
echo "setup: ready"
