#!/usr/bin/env bash
# ravlin against the ffmpeg program with the same settings, side by side.
# Usage: bench/ravlin_vs_reference.sh [path/to/ravlin] [runs]
# Prints median wall and CPU time of both, their ratios, the ratio of output
# sizes, and the peak memory of both with a 1920x1080 source.
set -euo pipefail
ravlin=${1:-$(dirname "$0")/../build/app/ravlin}
runs=${2:-5}
work=$(mktemp -d /tmp/ravlin-bench-XXXXXX)
trap 'rm -rf "$work"' EXIT
q=(-nostdin -loglevel error -y)

echo "making sources in $work ..."
# 60 s, 640x480 at 30 fps (H.264), stereo sound at 48000 Hz (AAC).
ffmpeg "${q[@]}" -f lavfi -i "testsrc2=size=640x480:rate=30:duration=60,noise=alls=3:allf=t" \
  -f lavfi -i "anoisesrc=color=pink:sample_rate=48000:amplitude=0.2:duration=60" -ac 2 \
  -c:v libx264 -preset veryfast -crf 23 -c:a aac -b:a 192k "$work/source.mp4"
# 10 s at 1920x1080 for the memory figure.
ffmpeg "${q[@]}" -f lavfi -i "testsrc2=size=1920x1080:rate=30:duration=10" \
  -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=10" -ac 2 \
  -c:v libx264 -preset ultrafast -c:a aac "$work/hd.mp4"

# "Normal Quality": the converter's lines, and the same job for the ffmpeg program.
mp4_ravlin=(-y -i "$work/source.mp4" -vcodec mpeg4 -acodec aac -b 768 -s 320x240 -r 25 -aspect 4:3
  -ab 128 -vol 200 -ac 2 -ar 44100 -ss 00:00:00 -t 60)
mp4_ref=(-ss 0 -i "$work/source.mp4" -c:v mpeg4 -c:a aac -b:v 768k -s 320x240 -r 25 -aspect 4:3
  -b:a 128k -af volume=2 -ac 2 -ar 44100 -t 60 -movflags +faststart)
mp3_ravlin=(-y -i "$work/source.mp4" -acodec mp3 -vn -ab 128 -vol 200 -ac 2 -ar 44100 -ss 00:00:00 -t 60)
mp3_ref=(-ss 0 -i "$work/source.mp4" -vn -c:a libmp3lame -b:a 128k -af volume=2 -ac 2 -ar 44100 -t 60)

# Runs one command under /usr/bin/time; prints "wall cpu maxrss_kB".
measure() {
  /usr/bin/time -f "%e %U %S %M" -o "$work/time.txt" "$@" >/dev/null 2>&1
  awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$work/time.txt"
}

median() { sort -g | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

job() { # name, ext, then the two argument arrays by name
  local name=$1 ext=$2 ours=$3 theirs=$4
  local -n ours_args=$ours theirs_args=$theirs
  : >"$work/ours.txt"; : >"$work/theirs.txt"
  for ((i = 0; i < runs; i++)); do # alternate, so both see the same noise
    measure "$ravlin" "${ours_args[@]}" "$work/ours.$ext" >>"$work/ours.txt"
    measure ffmpeg "${q[@]}" "${theirs_args[@]}" "$work/theirs.$ext" >>"$work/theirs.txt"
  done
  local ow oc tw tc os ts
  ow=$(cut -d' ' -f1 "$work/ours.txt" | median); oc=$(cut -d' ' -f2 "$work/ours.txt" | median)
  tw=$(cut -d' ' -f1 "$work/theirs.txt" | median); tc=$(cut -d' ' -f2 "$work/theirs.txt" | median)
  os=$(stat -c %s "$work/ours.$ext"); ts=$(stat -c %s "$work/theirs.$ext")
  printf '%-10s ravlin wall %6.2f s cpu %6.2f s | ffmpeg wall %6.2f s cpu %6.2f s | ratio wall %.3f cpu %.3f size %.3f (%d / %d bytes)\n' \
    "$name" "$ow" "$oc" "$tw" "$tc" "$(echo "$ow / $tw" | bc -l)" "$(echo "$oc / $tc" | bc -l)" \
    "$(echo "$os / $ts" | bc -l)" "$os" "$ts"
}

echo "medians of $runs alternating runs each:"
job "MP4 normal" mp4 mp4_ravlin mp4_ref
job "MP3 normal" mp3 mp3_ravlin mp3_ref

hd_ravlin=(-y -i "$work/hd.mp4" -vcodec mpeg4 -acodec aac -b 768 -s 320x240 -r 25 -aspect 4:3
  -ab 128 -vol 200 -ac 2 -ar 44100 -ss 00:00:00 -t 10 "$work/hd-ours.mp4")
hd_ref=(-i "$work/hd.mp4" -c:v mpeg4 -c:a aac -b:v 768k -s 320x240 -r 25 -aspect 4:3 -b:a 128k
  -af volume=2 -ac 2 -ar 44100 -t 10 "$work/hd-theirs.mp4")
printf 'peak memory, 1920x1080 source: ravlin %d MB, ffmpeg %d MB\n' \
  $(($(measure "$ravlin" "${hd_ravlin[@]}" | cut -d' ' -f3) / 1024)) \
  $(($(measure ffmpeg "${q[@]}" "${hd_ref[@]}" | cut -d' ' -f3) / 1024))
