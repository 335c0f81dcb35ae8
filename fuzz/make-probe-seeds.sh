#!/usr/bin/env bash
# Makes the seed corpus of the probe graph target: one short, tiny file per
# container type the job list accepts, made with the ffmpeg program. Each file
# ends in one added byte, the index of its extension in the target's list, so
# the target names it as the job list would see it.
set -euo pipefail
out="$(dirname "$0")/corpus/probe_graph"
mkdir -p "$out"

# seed <file name> <extension index> <ffmpeg output options...>
seed() {
  local name=$1 index=$2
  shift 2
  ffmpeg -nostdin -hide_banner -loglevel error -y \
    -f lavfi -i "testsrc=size=32x32:rate=5:duration=0.5" \
    -f lavfi -i "sine=frequency=440:sample_rate=8000:duration=0.5" \
    -b:v 16k -b:a 16k "$@" "$out/$name"
  printf "\\x$(printf %02x "$index")" >>"$out/$name"
}

seed clip.3gp 0 -c:v mpeg4 -c:a aac -ac 1
seed clip.avi 2 -c:v mpeg4 -c:a mp2 -ar 16000
seed clip.mp4 4 -c:v mpeg4 -c:a aac
seed sound.mp4 4 -vn -c:a aac
seed clip.mpg 6 -f mpeg -r 25 -ar 16000
seed clip.asf 7 -c:v wmv2 -c:a wmav2 -b:a 24k
seed clip.mov 8 -c:v mjpeg -c:a pcm_u8
seed clip.vob 10 -f vob -r 25 -ar 48000 -b:a 32k
seed clip.rm 11 -f rm -c:a ac3 -ar 48000 -b:a 32k
seed clip.flv 13 -c:v flv1 -c:a mp3 -ar 11025 -b:a 8k
seed clip.swf 14 -c:v flv1 -c:a mp3 -ar 11025 -b:a 8k
