#!/usr/bin/env bash
# ravlin against the ffmpeg program with the same settings, side by side, with
# the quality of both outputs beside the times.
# Usage: bench/ravlin_vs_reference.sh [path/to/ravlin] [runs] [path/to/baseline/ravlin]
# For every job it prints each program's median wall time, CPU time (user +
# system) and peak memory, the ratios to the ffmpeg program run with its
# defaults, and the quality of the output: PSNR and SSIM of the picture
# against the source scaled with Lanczos, the bitrate, and the peak and mean
# level of the sound. A baseline (an earlier build, itself named ravlin) runs
# in the same rounds, so a before and an after come from the same state of the
# machine. Every job takes the machine-wide lock on its own (RAVLIN_BENCH_LOCK,
# default /tmp/quenvo-ravlin.lock), so others' tests run between the jobs.
# RAVLIN_BENCH_SOURCES names a folder that keeps the sources between runs;
# RAVLIN_BENCH_ONLY, a pattern (grep -E), picks the jobs whose names match.
set -euo pipefail
ravlin=$(realpath "${1:-$(dirname "$0")/../build/app/ravlin}")
runs=${2:-3}
baseline=${3:+$(realpath "$3")}
lock=${RAVLIN_BENCH_LOCK:-/tmp/quenvo-ravlin.lock}
work=$(mktemp -d /tmp/ravlin-bench-XXXXXX)
trap 'rm -rf "$work"' EXIT
sources=${RAVLIN_BENCH_SOURCES:-$work}
mkdir -p "$sources"
q=(-nostdin -loglevel error -y)
programs=(ravlin)
[[ -n $baseline ]] && programs=(baseline ravlin)
declare -A binary=([ravlin]=$ravlin [baseline]=$baseline)

echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "sources in $sources"
source_file() { # file, then the ffmpeg arguments that make it; kept when it exists
  local file=$sources/$1
  shift
  [[ -s $file ]] || nice ffmpeg "${q[@]}" "$@" "$file"
}
# A minute of speech over a faint room noise, 48000 Hz stereo, peaks at -3 dBFS.
if [[ ! -s $sources/speech.wav ]]; then
  espeak-ng -w "$work/voice.wav" "The quick conversion of a holiday film starts with the \
choice of a folder. Put the clips you want in the list, look at each one in the preview, and mark \
the part you would like to keep. Then pick the kind of file your player takes, and the quality you \
like best. When you press the button, every clip is converted in turn, and a bar shows how far the \
work has come. Small players want small pictures, so the film is made smaller, and the sound is \
made a little louder, because the speakers of a small player are weak. A minute of speech like \
this one is what many of the films people keep are made of: voices, a little noise of the room, \
and now and then a pause between the sentences."
  ffmpeg "${q[@]}" -stream_loop -1 -i "$work/voice.wav" \
    -f lavfi -i anoisesrc=color=pink:amplitude=0.01:sample_rate=48000 -filter_complex \
    "[0:a]aresample=48000,volume=-2.4dB[v];[v][1:a]amix=inputs=2:duration=first:normalize=0,pan=stereo|c0=c0|c1=c0" \
    -t 60 -c:a pcm_s16le "$sources/speech.wav"
fi
# 1280x720 H.264 at 25 fps with AAC sound, as a phone records it: a test
# pattern with the speech, and with a pure tone at -7 dBFS in each channel.
source_file speech720.mp4 -f lavfi -i "testsrc2=size=1280x720:rate=25:duration=60" -i "$sources/speech.wav" \
  -c:v libx264 -preset veryfast -crf 20 -c:a aac -b:a 192k
source_file tone720.mp4 -f lavfi -i "testsrc2=size=1280x720:rate=25:duration=60" \
  -f lavfi -i "aevalsrc=0.63*sin(2*PI*1000*t):s=48000:d=60" -ac 2 \
  -c:v libx264 -preset veryfast -crf 20 -c:a aac -b:a 192k
# 1920x1080 H.264 test pattern with the speech: sharp edges, where the skipped
# deblocking would show first.
source_file pattern1080.mp4 -f lavfi -i "testsrc2=size=1920x1080:rate=25:duration=20" \
  -i "$sources/speech.wav" -t 20 -c:v libx264 -preset veryfast -crf 20 -c:a aac -b:a 192k
# 1920x1080: a slow pan over a detailed picture with a little sensor noise.
[[ -s $sources/detail.png ]] || ffmpeg "${q[@]}" -f lavfi -i \
  "mandelbrot=s=2560x1440:rate=1:end_pts=1:start_x=-0.7436438870:start_y=0.1318259042:start_scale=0.01:maxiter=400" \
  -frames:v 1 "$sources/detail.png"
source_file detail1080.mp4 -loop 1 -framerate 25 -i "$sources/detail.png" -i "$sources/speech.wav" \
  -vf "crop=1920:1080:x='320+300*sin(2*PI*t/20)':y='180+170*sin(2*PI*t/15)',format=yuv420p,noise=alls=3:allf=t" \
  -t 20 -c:v libx264 -preset veryfast -crf 20 -c:a aac -b:a 192k
# 640x480 with heavy grain, MPEG-4 Part 2 and MP3 in an AVI, as an old camera writes it.
source_file grain480.avi -f lavfi -i "testsrc2=size=640x480:rate=25:duration=20,noise=alls=30:allf=t+u" \
  -i "$sources/speech.wav" -t 20 -c:v mpeg4 -b:v 4000k -c:a libmp3lame -b:a 160k
# 176x144 H.263 with mono AAC in a 3GP, as an old phone writes it: the picture grows.
source_file phone144.3gp -f lavfi -i "testsrc2=size=176x144:rate=25:duration=20" -i "$sources/speech.wav" \
  -t 20 -c:v h263 -b:v 256k -c:a aac -ar 22050 -ac 1 -b:a 48k
# A phone's portrait clip: the 1920x1080 pan stored on its side, with a display
# matrix that turns it a quarter clockwise (the ffmpeg program writes no turn:
# the matrix of the picture's track header is patched, as a phone writes it).
if [[ ! -s $sources/portrait1080.mp4 ]]; then
  cp "$sources/detail1080.mp4" "$work/portrait.mp4"
  python3 - "$work/portrait.mp4" <<'PATCH'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
at = data.find(b"tkhd")
while at >= 4:
    # After size and name: version and flags, the times, track id and duration
    # (wider in version 1), 16 bytes of layer, group and volume: the matrix.
    matrix = at + 8 + (32 if data[at + 4] == 1 else 20) + 16
    if struct.unpack(">I", data[matrix + 36:matrix + 40])[0]:  # a sound track has no width
        data[matrix:matrix + 36] = struct.pack(">9i", 0, 1 << 16, 0, -1 << 16, 0, 0, 0, 0, 1 << 30)
    at = data.find(b"tkhd", at + 4)
open(sys.argv[1], "wb").write(data)
PATCH
  mv "$work/portrait.mp4" "$sources/portrait1080.mp4"
fi
# 720x576 MPEG-2 with MP2 sound in a program stream, as a DVD recorder writes
# it, whose clock starts an hour in.
source_file late576.mpg -f lavfi -i "testsrc2=size=720x576:rate=25:duration=20,noise=alls=6:allf=t" \
  -i "$sources/speech.wav" -t 20 -c:v mpeg2video -b:v 6000k -maxrate 8000k -bufsize 1835k -g 12 \
  -c:a mp2 -b:a 224k -output_ts_offset 3600

# "Normal Quality" of each output type: the converter's lines (source and
# output path added below), and the same jobs for the ffmpeg program.
mp4_ravlin=(-vcodec mpeg4 -acodec aac -b 768 -s 320x240 -r 25 -aspect 4:3 -ab 128 -vol 200 -ac 2
  -ar 44100 -ss 00:00:00 -t 60)
mp4_ref=(-c:v mpeg4 -c:a aac -b:v 768k -s 320x240 -r 25 -aspect 4:3 -b:a 128k -af volume=2
  -ac 2 -ar 44100 -t 60 -movflags +faststart)
sound_pieces=(-vn -ab 128 -vol 200 -ac 2 -ar 44100 -ss 00:00:00 -t 60)
sound_ref=(-vn -b:a 128k -af volume=2 -ac 2 -ar 44100 -t 60)
mp3_ravlin=(-acodec mp3 "${sound_pieces[@]}") mp3_ref=(-c:a libmp3lame "${sound_ref[@]}")
aac_ravlin=(-acodec aac "${sound_pieces[@]}") aac_ref=(-c:a aac "${sound_ref[@]}")

# Runs one command under /usr/bin/time; prints "wall cpu maxrss_kB". The wall
# time is taken by the shell to the microsecond.
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

# "psnr ssim" of an output's picture against its source scaled with Lanczos.
picture_quality() {
  local log
  log=$(ffmpeg -nostdin -hide_banner -i "$1" -i "$2" -lavfi "[0:v]format=yuv420p,split[o1][o2];\
[1:v]scale=320:240:flags=lanczos,format=yuv420p,split[s1][s2];[o1][s1]psnr;[o2][s2]ssim" \
    -f null - 2>&1)
  printf '%.2f %.4f\n' "$(sed -n 's/.*PSNR y:.* average:\([0-9.]*\).*/\1/p' <<<"$log")" \
    "$(sed -n 's/.*SSIM Y:.* All:\([0-9.]*\).*/\1/p' <<<"$log")"
}
# "peak rms" level of an output's sound in dBFS, decoded as floats (so a clipped peak shows).
sound_level() {
  local log
  log=$(ffmpeg -nostdin -hide_banner -i "$1" -vn -af astats=measure_perchannel=none -f null - 2>&1)
  echo "$(sed -n 's/.*Peak level dB: \(.*\)/\1/p' <<<"$log" | xargs printf '%.2f')" \
    "$(sed -n 's/.*RMS level dB: \(.*\)/\1/p' <<<"$log" | xargs printf '%.2f')"
}
# kbit/s of the output's picture, or of its sound for a sound file.
kbits() {
  local stream=v:0 rate
  [[ $1 == *.mp4 ]] || stream=a:0
  rate=$(ffprobe -v error -select_streams "$stream" -show_entries stream=bit_rate -of csv=p=0 "$1")
  if [[ ! $rate =~ ^[0-9]+$ ]]; then # raw AAC and MP3 streams tell no rate: size over length
    rate=$(ffprobe -v error -show_entries format=size,duration -of csv=p=0 "$1" |
      awk -F, '{ printf "%d", $2 * 8 / $1 }')
  fi
  echo $((rate / 1000))
}

# "wall cpu MB | wall-ratio cpu-ratio" of a program's timings against the reference's.
timing_columns() { # timings file, reference timings file
  local wall cpu mem
  wall=$(column_median 1 "$1") cpu=$(column_median 2 "$1") mem=$(column_median 3 "$1")
  printf '%7.3f %7.2f %5d | %6.3f %6.3f' "$wall" "$cpu" $((mem / 1024)) \
    "$(ratio "$wall" "$(column_median 1 "$2")")" "$(ratio "$cpu" "$(column_median 2 "$2")")"
}

row() { # job, program, timings file, output, source, reference timings file
  local picture="- -"
  [[ $4 == *.mp4 ]] && picture=$(picture_quality "$4" "$5")
  read -r psnr ssim <<<"$picture"
  read -r peak rms <<<"$(sound_level "$4")"
  printf '%-20s %-9s %s | %6s %6s %6s %7s %7s\n' "$1" "$2" "$(timing_columns "$3" "$6")" \
    "$psnr" "$ssim" "$(kbits "$4")" "$peak" "$rms"
}

# RAVLIN_BENCH_FLOOR set: two more rows for each MP4 job, for how fast two cores could be.
# "decoder": the ffmpeg program only decoding the source's picture, with its own threads.
# "halves": ravlin converting the first and the second half of the source at once, in two
# processes, as a split of the work over both cores at best would.
floor_runs() { # source, the name of ravlin's argument array
  local source=$1 half
  local -n arguments=$2
  half=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$source" | awk '{ print $1 / 2 }')
  measure ffmpeg "${q[@]}" -i "$source" -map 0:v:0 -f null - >>"$work/decoder.txt"
  # shellcheck disable=SC2016 # expanded by the inner shell
  measure bash -c '"$1" -y -i "$2" "${@:5}" -ss 0 -t "$3" "$4-1.mp4" &
    "$1" -y -i "$2" "${@:5}" -ss "$3" -t "$3" "$4-2.mp4" & wait' \
    _ "$ravlin" "$source" "$half" "$work/halves" "${arguments[@]}" >>"$work/halves.txt"
}

job() { # name, source, ext, then the two argument arrays by name
  local name=$1 source=$sources/$2 ext=$3 ours=$4 theirs=$5 program
  grep -qE -- "${RAVLIN_BENCH_ONLY:-.}" <<<"$name" || return 0
  local -n ours_args=$ours theirs_args=$theirs
  local floor=
  [[ -n ${RAVLIN_BENCH_FLOOR:-} && $ext == mp4 ]] && floor=1
  for program in "${programs[@]}" ffmpeg same-rate decoder halves; do : >"$work/$program.txt"; done
  {
    flock 9
    for ((i = 0; i < runs; i++)); do # alternate, so all see the same noise
      for program in "${programs[@]}"; do
        measure "${binary[$program]}" -y -i "$source" "${ours_args[@]}" "$work/$program.$ext" \
          >>"$work/$program.txt"
      done
      measure ffmpeg "${q[@]}" -i "$source" "${theirs_args[@]}" "$work/ffmpeg.$ext" \
        >>"$work/ffmpeg.txt"
      [[ -n $floor ]] && floor_runs "$source" "$ours"
    done
    # The ffmpeg program held to ravlin's rate tolerance, a quarter of the bitrate, once.
    [[ $ext == mp4 ]] && measure ffmpeg "${q[@]}" -i "$source" "${theirs_args[@]}" -bt 192k \
      "$work/same-rate.$ext" >>"$work/same-rate.txt"
  } 9>"$lock"
  for program in "${programs[@]}" ffmpeg; do
    row "$name" "$program" "$work/$program.txt" "$work/$program.$ext" "$source" "$work/ffmpeg.txt"
  done
  [[ $ext == mp4 ]] && row "$name" "ffmpeg-bt" "$work/same-rate.txt" "$work/same-rate.$ext" \
    "$source" "$work/ffmpeg.txt"
  if [[ -n $floor ]]; then
    for program in decoder halves; do
      printf '%-20s %-9s %s\n' "$name" "$program" "$(timing_columns "$work/$program.txt" "$work/ffmpeg.txt")"
    done
  fi
  return 0
}

echo "medians of $runs alternating runs each (ffmpeg-bt: once, with -bt 192k); ratios to ffmpeg:"
printf '%-20s %-9s %7s %7s %5s | %6s %6s | %6s %6s %6s %7s %7s\n' job program "wall s" "cpu s" \
  MB wall cpu PSNR SSIM kbit/s "peak dB" "rms dB"
job "MP4 1920x1080 detail" detail1080.mp4 mp4 mp4_ravlin mp4_ref
job "MP4 1920x1080 pattern" pattern1080.mp4 mp4 mp4_ravlin mp4_ref
job "MP4 1280x720 speech" speech720.mp4 mp4 mp4_ravlin mp4_ref
job "MP4 1280x720 tone" tone720.mp4 mp4 mp4_ravlin mp4_ref
job "MP4 1080x1920 turned" portrait1080.mp4 mp4 mp4_ravlin mp4_ref
job "MP4 720x576 late mpg" late576.mpg mp4 mp4_ravlin mp4_ref
job "MP4 640x480 grain" grain480.avi mp4 mp4_ravlin mp4_ref
job "MP4 176x144 phone" phone144.3gp mp4 mp4_ravlin mp4_ref
for source in speech720 tone720; do
  job "M4A ${source%720}" $source.mp4 m4a aac_ravlin aac_ref
  job "AAC ${source%720}" $source.mp4 aac aac_ravlin aac_ref
  job "MP3 ${source%720}" $source.mp4 mp3 mp3_ravlin mp3_ref
done
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
