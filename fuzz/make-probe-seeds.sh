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

# Sources as people have them: a recording whose clock starts at 10 s, two of
# them joined into one file (the second one smaller), a phone's portrait clip
# stored lying on its side, and a playlist named like a video.
seed late.mpg 6 -f mpeg -r 25 -ar 16000 -output_ts_offset 10
ffmpeg -nostdin -hide_banner -loglevel error -y -f lavfi -i "testsrc=size=16x16:rate=5:duration=0.5" \
  -f lavfi -i "sine=frequency=660:sample_rate=8000:duration=0.5" -b:v 16k -b:a 16k \
  -f mpeg -r 25 -ar 16000 -output_ts_offset 10 "$out/second.part"
head -c -1 "$out/late.mpg" | cat - "$out/second.part" >"$out/joined.mpg"
printf '\x06' >>"$out/joined.mpg"
rm "$out/second.part"
seed turned.mp4 4 -c:v mpeg4 -c:a aac
perl -0777 -pi -e 'for (my $at = index($_, "tkhd"); $at >= 0; $at = index($_, "tkhd", $at + 4)) {
  my $matrix = $at + 8 + (ord(substr($_, $at + 4, 1)) == 1 ? 32 : 20) + 16;
  substr($_, $matrix, 36) = pack("l>9", 0, 65536, 0, -65536, 0, 0, 0, 0, 1 << 30)
    if unpack("N", substr($_, $matrix + 36, 4));
}' "$out/turned.mp4"
printf '#EXTM3U\n#EXT-X-TARGETDURATION:1\n#EXTINF:1.0,\nclip.mp4\n#EXT-X-ENDLIST\n\x02' >"$out/playlist.avi"
