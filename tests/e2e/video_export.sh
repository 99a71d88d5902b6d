#!/usr/bin/env bash
# --replay --video renders the shipped demo recording offline. The clip has a frame for every
# 1/60 s from the recording's first tick reading to its last and lasts as long (within a
# frame); two exports decode to the same pictures and samples and write the same offline WAV;
# the sound is loud where the recording stirs (from 2.75 s on) and quiet where it rests
# (before); the frame at a --screenshot's instant matches it at 38 dB PSNR or better (H.264
# is lossy; the neighbouring frames score below 27 dB). Bad names fail before any work.
# The clips are read with FFmpeg's own ffprobe and ffmpeg.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
use_program "$1"
recording="$PWD/data/demo.rec"

# recording_ms FILE: milliseconds from a recording's first tick reading to its last. After
# the 8-byte header come "T" + u32 ticks, "E" + event type + its fields, and "Z" at the end.
recording_ms() {
    od -An -v -t u1 "$1" | awk '
        { for (i = 1; i <= NF; i++) byte[n++] = $i }
        END {
            for (p = 8; p < n && byte[p] != 90;) {
                if (byte[p] == 84) {
                    ticks = byte[p + 1] + 256 * (byte[p + 2] + 256 * (byte[p + 3] + 256 * byte[p + 4]))
                    first = first == "" ? ticks : first
                    last = ticks
                    p += 5
                } else { # keys and motion carry 9 bytes, buttons 5, quit none
                    p += 2 + (byte[p + 1] <= 4 ? 9 : byte[p + 1] <= 6 ? 5 : 0)
                }
            }
            print last - first
        }'
}

# stream_of CLIP v|a FIELDS: the named fields of the clip's first video or sound stream.
stream_of() {
    ffprobe -v error -select_streams "$2:0" -show_entries "stream=$3" -of csv=p=0 "$1"
}

# duration_ms CLIP: the clip's own duration, truncated to whole milliseconds.
duration_ms() {
    local seconds
    seconds=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$1")
    echo $((10#${seconds/./} / 1000))
}

# loudness CLIP: the left channel's RMS (0..1) in each quarter second of the clip's time (the
# samples placed at their timestamps, gaps filled with silence).
loudness() {
    ffmpeg -v error -i "$1" -map 0:a -af aresample=async=1:first_pts=0 -c:a pcm_f32le -f f32le - \
        | od -An -v -t f4 -w8 \
        | awk '{ sum[int((NR - 1) / 11025)] += $1 * $1 }
               END { for (q = 0; q in sum; q++) printf "%.4f ", sqrt(sum[q] / 11025) }'
}

# frame_ppm CLIP K OUT: decoded picture K as RGB, converted as a player would (BT.601, limited
# range, as the clip is tagged).
frame_ppm() {
    ffmpeg -v error -i "$1" -frames:v 1 -y \
        -vf "select=eq(n\,$2),scale=flags=bicubic+accurate_rnd+full_chroma_int,format=rgb24" "$3"
}

for bad in clip.avi /nonexistent/clip.mp4; do
    run_expecting 1 "$WORK_DIR/bad" w --replay "$recording" --video "$bad"
    grep -q "^quillomer: $bad: " "$WORK_DIR/bad/log" || fail "$bad: $(cat "$WORK_DIR/bad/log")"
    ! grep -q "frame" "$WORK_DIR/bad/log" || fail "$bad: the export began"
done
[ "$(ls "$WORK_DIR/bad")" = "$(printf 'data\nlog')" ] || fail "bad names left files behind"

for run in $(runs a b); do
    dir="$WORK_DIR/$run"
    run_expecting 0 "$dir" w --replay "$recording" --video clip.mp4 --wav sound.wav
    grep -qE "clip.mp4: frame [0-9]+ of [0-9]+ \([0-9]+%\), [0-9.]+ frames/s" "$dir/log" \
        || fail "export $run showed no progress"
    [ ! -e "$dir/clip.mp4.part" ] || fail "export $run left its temporary file"
    # Every decoded picture and sample, the sound as the planar floats it was encoded in.
    ffmpeg -v error -i "$dir/clip.mp4" -map 0 -c:v rawvideo -c:a pcm_f32le -f md5 - >"$dir/digest"
done
clip="$WORK_DIR/a/clip.mp4"
video=$(stream_of "$clip" v codec_name,width,height,pix_fmt)
[ "$video" = "h264,1024,768,yuv420p" ] || fail "video stream: $video"
sound=$(stream_of "$clip" a codec_name,sample_fmt,sample_rate)
[ "$sound" = "aac,fltp,44100" ] || fail "sound stream: $sound"
frames=$(ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames \
    -of csv=p=0 "$clip")
recording_ms=$(recording_ms "$recording")
duration_ms=$(duration_ms "$clip")
[ "$frames" -eq $((recording_ms * 60 / 1000 + 1)) ] || fail "$frames frames for $recording_ms ms"
[ $((duration_ms - recording_ms)) -ge 0 ] && [ $((duration_ms - recording_ms)) -le 17 ] \
    || fail "the clip lasts $duration_ms ms, the recording $recording_ms ms"
alike "$WORK_DIR/a/digest" "$WORK_DIR/b/digest" || fail "two exports decoded differently"
alike "$WORK_DIR/a/sound.wav" "$WORK_DIR/b/sound.wav" || fail "two exports wrote different WAVs"
[ "$(stat -c %s "$WORK_DIR/a/sound.wav")" -eq $((44 + frames * 735 * 4)) ] \
    || fail "the WAV does not last as long as the clip"

# Loudness per quarter second: resting from 0.5 to 2.5 s, stirring from 3 to 9 s.
read -r -a loudness <<<"$(loudness "$clip")"
for quarter in $(seq 2 9); do
    awk -v v="${loudness[$quarter]}" 'BEGIN { exit !(v < 0.001) }' \
        || fail "loud while resting at quarter $quarter: ${loudness[*]}"
done
for quarter in $(seq 12 35); do
    awk -v v="${loudness[$quarter]}" 'BEGIN { exit !(v > 0.05) }' \
        || fail "quiet while stirring at quarter $quarter: ${loudness[*]}"
done

# Drawn frame 300 is on screen from its instant until frame 301 is drawn: the clip's first
# frame at or after that instant must show it.
for shot in 300 301; do
    run_expecting 0 "$WORK_DIR/shot$shot" w --replay "$recording" --frames "$shot" --screenshot shot.png
done
drawn_at() { grep -oE 'drawn at [0-9]+ ms' "$WORK_DIR/shot$1/log" | awk '{ print $3 }'; }
from=$(drawn_at 300)
until=$(drawn_at 301)
frame=$(((from * 60 + 999) / 1000))
[ $((frame * 1000)) -lt $((until * 60)) ] || fail "no clip frame between $from and $until ms"
frame_ppm "$clip" "$frame" "$WORK_DIR/frame.ppm"
psnr=$(compare -metric PSNR "$WORK_DIR/shot300/shot.png" "$WORK_DIR/frame.ppm" null: 2>&1 || true)
awk -v p="$psnr" 'BEGIN { exit !(p >= 38) }' || fail "clip frame $frame: PSNR $psnr dB"
echo "video_export: $frames frames for $recording_ms ms, repeatable, frame $frame at $psnr dB"
