#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Norv's plan against real encodes. A synthetic clip (a moving test pattern
# and a tone, 60 s at 25 fps, 720x576) is encoded at the bitrates Norv plans,
# with the command lines Norv gives, for AVI (MPEG-4 part 2 two-pass, MP3) and
# Ogg (Theora two-pass, Vorbis); then once more at the second try's corrected
# target. Prints a Markdown table: planned size, real size, error in percent.
#
# Usage: tools/plan_vs_real.sh [BUILD_DIR]    (default: build)
# Needs Debian's ffmpeg and a build of Norv (for its probe, tools/norv_plan_probe).
set -euo pipefail
export LC_ALL=C

probe=${1:-$(dirname "$0")/../build}/tools/norv_plan_probe
[ -x "$probe" ] || { echo "$probe is missing: build Norv first (./build.sh test)" >&2; exit 2; }
command -v ffmpeg >/dev/null || { echo "ffmpeg is missing: apt-get install ffmpeg" >&2; exit 2; }
encoders=$(ffmpeg -hide_banner -encoders 2>/dev/null)
for encoder in ffv1 flac mpeg4 libmp3lame libtheora libvorbis; do
  grep -q " $encoder " <<<"$encoders" || { echo "ffmpeg has no $encoder encoder" >&2; exit 2; }
done

diskspace=10000000 # bytes: about 1.3 Mbit/s for the minute
length=60
fps=25
audio=128000       # bit/s

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Kept lossless, so that every encode starts from the same pictures and sound.
ffmpeg -nostdin -v error -f lavfi -i "testsrc2=size=720x576:rate=$fps:duration=$length" \
  -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=$length" \
  -c:v ffv1 -c:a flac "$work/clip.mkv"

# encode CONTAINER DISKSPACE: Norv plans it, its command lines run; prints
# the video bitrate planned and the size of the file.
encode() {
  local dir commands
  dir=$(mktemp -d -p "$work")
  commands=$("$probe" plan "$1" "$2" "$length" "$fps" "$audio")
  while read -r line; do
    line=${line//INPUT/$work/clip.mkv}
    line=${line//OUTPUT/$dir/out}
    (cd "$dir" && eval "ffmpeg -nostdin -v error ${line#ffmpeg }")
  done < <(grep -v '^#' <<<"$commands")
  echo "$(grep -o -- '-b:v [0-9]*' <<<"$commands" | head -n1 | cut -d' ' -f2) $(stat -c %s "$dir"/out.*)"
}

error() { awk -v real="$1" -v plan="$2" 'BEGIN { printf "%+.2f %%", (real - plan) / plan * 100 }'; }

echo "| container | try | typed into diskspace | video bitrate (bit/s) | real size (bytes) | error against $diskspace bytes |"
echo "|---|---|---:|---:|---:|---:|"
for container in AVI OGM; do
  read -r video real < <(encode "$container" "$diskspace")
  echo "| $container | first | $diskspace | $video | $real | $(error "$real" "$diskspace") |"
  target=$("$probe" second-try "$diskspace" "$real" 2>/dev/null)
  read -r video real < <(encode "$container" "$target")
  echo "| $container | second | $target | $video | $real | $(error "$real" "$diskspace") |"
done
