#!/usr/bin/env bash
# Makes the small source videos the converter's tests feed to the probe and the encoder, one per
# container family the converter offers, plus a corrupt file and the sample clip the README converts.
# Usage: make-test-media.sh <output folder>. Files already made by this version are kept.
set -euo pipefail
out=${1:?usage: make-test-media.sh <output folder>}
version=5
mkdir -p "$out"
out=$(cd "$out" && pwd)

# Parallel test runs may ask at the same time: one makes, the others wait for it.
exec 9>"$out/.lock"
flock 9
if [ -f "$out/.version" ] && [ "$(cat "$out/.version")" = "$version" ]; then
  exit 0
fi

ff() { ffmpeg -hide_banner -nostdin -loglevel error -y "$@"; }
seconds=3
pic() { echo "-f lavfi -i testsrc=size=${1}:rate=${2}:duration=$seconds"; }
snd() { echo "-f lavfi -i sine=frequency=440:sample_rate=${1}:duration=$seconds"; }

make() {  # make <name> <ffmpeg arguments...>: writes to a temporary name first, so a cut-off run leaves nothing
  local name=$1; shift
  local tmp="$out/.tmp-$name"
  ff "$@" "$tmp"
  mv -f "$tmp" "$out/$name"
}

# shellcheck disable=SC2046  # the generator options are meant to split into words
{
make clip.avi  $(pic 320x240 25) $(snd 44100) -c:v mpeg4 -q:v 5 -c:a libmp3lame -b:a 64k -f avi
make clip.mpg  $(pic 352x288 25) $(snd 44100) -c:v mpeg1video -b:v 600k -c:a mp2 -b:a 128k -f mpeg
make clip.vob  $(pic 352x288 25) $(snd 48000) -c:v mpeg2video -b:v 800k -c:a ac3 -b:a 128k -f vob
make clip.dat  $(pic 352x288 25) $(snd 44100) -c:v mpeg2video -b:v 800k -c:a mp2 -b:a 128k -f mpeg
make clip.wmv  $(pic 320x240 25) $(snd 44100) -c:v wmv2 -b:v 400k -c:a wmav2 -b:a 64k -f asf
make clip.asf  $(pic 320x240 25) $(snd 22050) -c:v msmpeg4 -b:v 400k -c:a wmav2 -b:a 48k -f asf
make clip.mp4  $(pic 320x240 25) $(snd 44100) -c:v mpeg4 -q:v 5 -c:a aac -b:a 64k -f mp4
make clip.3gp  $(pic 176x144 15) $(snd 8000) -c:v h263 -b:v 120k -c:a aac -b:a 16k -ac 1 -f 3gp
make clip.mov  $(pic 320x240 25) $(snd 44100) -c:v mpeg4 -q:v 5 -c:a aac -b:a 64k -f mov
make clip.rm   $(pic 320x240 25) $(snd 44100) -c:v rv10 -b:v 400k -c:a ac3 -b:a 96k -f rm
# Long enough for several progress reports while it converts.
make long.avi -f lavfi -i testsrc=size=352x288:rate=25:duration=12 -f lavfi -i sine=frequency=440:sample_rate=44100:duration=12 \
  -c:v mpeg4 -q:v 5 -c:a libmp3lame -b:a 64k -f avi
# A raw stream: no playing time in its header, the probe has to read it through.
make raw.m4v $(pic 176x144 25) -c:v mpeg4 -q:v 5 -f m4v
make silent.mp4 $(pic 320x240 25) -c:v mpeg4 -q:v 5 -f mp4
# The sample clip the README's run command converts: about five seconds, picture and sound.
make sample.avi -f lavfi -i testsrc2=size=320x240:rate=25:duration=5 \
  -f lavfi -i "sine=frequency=660:beep_factor=2:sample_rate=44100:duration=5" \
  -c:v mpeg4 -q:v 4 -c:a libmp3lame -b:a 96k -f avi
}
# A file that claims to be a video but is not one: a broken header, then noise.
{ printf 'RIFF\x10\x00\x00\x00AVI LIST'; head -c 20000 /dev/urandom; } >"$out/.tmp-corrupt.avi"
mv -f "$out/.tmp-corrupt.avi" "$out/corrupt.avi"

echo "$version" >"$out/.version"
