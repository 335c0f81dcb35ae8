#!/usr/bin/env bash
# ravlin against the ffmpeg program with the same settings, side by side.
# Usage: bench/ravlin_vs_reference.sh [path/to/ravlin] [runs] [path/to/baseline/ravlin]
# Prints median wall and CPU time of both, their ratios, the ratio of output
# sizes, and the median peak memory of both with a 1920x1080 source. A baseline
# (an earlier build, itself named ravlin) runs in the same rounds, so a before
# and an after come from the same state of the machine.
set -euo pipefail
ravlin=${1:-$(dirname "$0")/../build/app/ravlin}
runs=${2:-5}
baseline=${3:-}
work=$(mktemp -d /tmp/ravlin-bench-XXXXXX)
trap 'rm -rf "$work"' EXIT
q=(-nostdin -loglevel error -y)
programs=(ravlin)
[[ -n $baseline ]] && programs+=(baseline)
declare -A binary=([ravlin]=$ravlin [baseline]=$baseline)

echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "making sources in $work ..."
# 60 s, 640x480 at 30 fps (H.264), stereo sound at 48000 Hz (AAC).
ffmpeg "${q[@]}" -f lavfi -i "testsrc2=size=640x480:rate=30:duration=60,noise=alls=3:allf=t" \
  -f lavfi -i "anoisesrc=color=pink:sample_rate=48000:amplitude=0.2:duration=60" -ac 2 \
  -c:v libx264 -preset veryfast -crf 23 -c:a aac -b:a 192k "$work/source.mp4"
# The same picture and sound as MPEG-4 Part 2 with MP3 sound in an AVI.
ffmpeg "${q[@]}" -f lavfi -i "testsrc2=size=640x480:rate=30:duration=60,noise=alls=3:allf=t" \
  -f lavfi -i "anoisesrc=color=pink:sample_rate=48000:amplitude=0.2:duration=60" -ac 2 \
  -c:v mpeg4 -q:v 4 -c:a libmp3lame -b:a 192k "$work/source.avi"
# The H.264 source as a phone stores a portrait clip: lying on its side, with a
# display matrix in its track header that turns it a quarter clockwise.
cp "$work/source.mp4" "$work/turned.mp4"
perl -0777 -pi -e 'for (my $at = index($_, "tkhd"); $at >= 0; $at = index($_, "tkhd", $at + 4)) {
  my $matrix = $at + 8 + (ord(substr($_, $at + 4, 1)) == 1 ? 32 : 20) + 16;
  substr($_, $matrix, 36) = pack("l>9", 0, 65536, 0, -65536, 0, 0, 0, 0, 1 << 30)
    if unpack("N", substr($_, $matrix + 36, 4));
}' "$work/turned.mp4"
# 10 s at 1920x1080 for the memory figure.
ffmpeg "${q[@]}" -f lavfi -i "testsrc2=size=1920x1080:rate=30:duration=10" \
  -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=10" -ac 2 \
  -c:v libx264 -preset ultrafast -c:a aac "$work/hd.mp4"

# "Normal Quality" of each output type: the converter's lines (source and
# output path added below), and the same jobs for the ffmpeg program.
normal_mp4=(-vcodec mpeg4 -acodec aac -b 768 -s 320x240 -r 25 -aspect 4:3 -ab 128 -vol 200 -ac 2
  -ar 44100 -ss 00:00:00 -t 60)
normal_mp4_ref=(-c:v mpeg4 -c:a aac -b:v 768k -s 320x240 -r 25 -aspect 4:3 -b:a 128k -af volume=2
  -ac 2 -ar 44100 -t 60 -movflags +faststart)
sound_pieces=(-vn -ab 128 -vol 200 -ac 2 -ar 44100 -ss 00:00:00 -t 60)
sound_ref=(-vn -b:a 128k -af volume=2 -ac 2 -ar 44100 -t 60)
mp4_ravlin=("${normal_mp4[@]}") mp4_ref=("${normal_mp4_ref[@]}")
mp3_ravlin=(-acodec mp3 "${sound_pieces[@]}") mp3_ref=(-c:a libmp3lame "${sound_ref[@]}")
aac_ravlin=(-acodec aac "${sound_pieces[@]}") aac_ref=(-c:a aac "${sound_ref[@]}")

# Runs one command under /usr/bin/time; prints "wall cpu maxrss_kB". The wall
# time is taken by the shell to the microsecond: time's own hundredths are a
# step of 2 % in the ratio of a sound job that takes under half a second.
measure() {
  local start=$EPOCHREALTIME
  /usr/bin/time -f "%U %S %M" -o "$work/time.txt" "$@" >/dev/null 2>&1
  local wall
  wall=$(echo "$EPOCHREALTIME - $start" | bc -l)
  awk -v wall="$wall" '{ printf "%.4f %.2f %s\n", wall, $1 + $2, $3 }' "$work/time.txt"
}

median() { sort -g | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
column_median() { cut -d' ' -f"$1" "$2" | median; }
ratio() { echo "$1 / $2" | bc -l; }

job() { # name, source, ext, then the two argument arrays by name
  local name=$1 source=$2 ext=$3 ours=$4 theirs=$5 program
  local -n ours_args=$ours theirs_args=$theirs
  for program in "${programs[@]}" ffmpeg; do : >"$work/$program.txt"; done
  for ((i = 0; i < runs; i++)); do # alternate, so all see the same noise
    for program in "${programs[@]}"; do
      measure "${binary[$program]}" -y -i "$source" "${ours_args[@]}" "$work/$program.$ext" \
        >>"$work/$program.txt"
    done
    measure ffmpeg "${q[@]}" -ss 0 -i "$source" "${theirs_args[@]}" "$work/ffmpeg.$ext" \
      >>"$work/ffmpeg.txt"
  done
  local tw tc ts ow oc os
  tw=$(column_median 1 "$work/ffmpeg.txt") tc=$(column_median 2 "$work/ffmpeg.txt")
  ts=$(stat -c %s "$work/ffmpeg.$ext")
  for program in "${programs[@]}"; do
    ow=$(column_median 1 "$work/$program.txt") oc=$(column_median 2 "$work/$program.txt")
    os=$(stat -c %s "$work/$program.$ext")
    printf '%-16s %-8s wall %6.3f s cpu %6.2f s | ffmpeg wall %6.3f s cpu %6.2f s | ratio wall %.3f cpu %.3f size %.3f (%d / %d bytes)\n' \
      "$name" "$program" "$ow" "$oc" "$tw" "$tc" "$(ratio "$ow" "$tw")" "$(ratio "$oc" "$tc")" \
      "$(ratio "$os" "$ts")" "$os" "$ts"
  done
}

echo "medians of $runs alternating runs each:"
job "MP4 from H.264" "$work/source.mp4" mp4 mp4_ravlin mp4_ref
job "MP4 from MPEG-4" "$work/source.avi" mp4 mp4_ravlin mp4_ref
job "MP4 turned clip" "$work/turned.mp4" mp4 mp4_ravlin mp4_ref
job "MP3" "$work/source.mp4" mp3 mp3_ravlin mp3_ref
job "M4A" "$work/source.mp4" m4a aac_ravlin aac_ref
job "AAC" "$work/source.mp4" aac aac_ravlin aac_ref

hd_ravlin=(-y -i "$work/hd.mp4" -vcodec mpeg4 -acodec aac -b 768 -s 320x240 -r 25 -aspect 4:3
  -ab 128 -vol 200 -ac 2 -ar 44100 -ss 00:00:00 -t 10 "$work/hd-ours.mp4")
hd_ref=(-i "$work/hd.mp4" -c:v mpeg4 -c:a aac -b:v 768k -s 320x240 -r 25 -aspect 4:3 -b:a 128k
  -af volume=2 -ac 2 -ar 44100 -t 10 -movflags +faststart "$work/hd-theirs.mp4")
for program in "${programs[@]}" ffmpeg; do : >"$work/$program.txt"; done
for ((i = 0; i < runs; i++)); do
  for program in "${programs[@]}"; do
    measure "${binary[$program]}" "${hd_ravlin[@]}" >>"$work/$program.txt"
  done
  measure ffmpeg "${q[@]}" "${hd_ref[@]}" >>"$work/ffmpeg.txt"
done
theirs=$(column_median 3 "$work/ffmpeg.txt")
for program in "${programs[@]}"; do
  ours=$(column_median 3 "$work/$program.txt")
  printf 'peak memory, 1920x1080 source: %-8s %d MB, ffmpeg %d MB, ratio %.3f\n' "$program" \
    $((ours / 1024)) $((theirs / 1024)) "$(ratio "$ours" "$theirs")"
done
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
