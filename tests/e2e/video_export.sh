#!/usr/bin/env bash
# --replay --video renders the shipped demo recording offline. The clip has a frame for every
# 1/60 s from the recording's first tick reading to its last and lasts as long (within a
# frame); two exports decode to the same pictures and samples and write the same offline WAV;
# the sound is loud where the recording stirs (from 2.75 s on) and quiet where it rests
# (before); the frame at a --screenshot's instant matches it at 38 dB PSNR or better (H.264
# is lossy; the neighbouring frames score below 27 dB). Bad names fail before any work.
set -euo pipefail
source "$(dirname "$0")/lib.bash"
binary="$1"
probe="$2"
recording="$PWD/data/demo.rec"

for bad in clip.avi /nonexistent/clip.mp4; do
    code=$(run_to_end "$WORK_DIR/bad" "$binary" w --replay "$recording" --video "$bad")
    [ "$code" -eq 1 ] || fail "$bad: exit code $code"
    grep -q "^quillomer: $bad: " "$WORK_DIR/bad/log" || fail "$bad: $(cat "$WORK_DIR/bad/log")"
    ! grep -q "frame" "$WORK_DIR/bad/log" || fail "$bad: the export began"
done
[ "$(ls "$WORK_DIR/bad")" = "$(printf 'data\nlog')" ] || fail "bad names left files behind"

for run in a b; do
    dir="$WORK_DIR/$run"
    code=$(run_to_end "$dir" "$binary" w --replay "$recording" --video clip.mp4 --wav sound.wav)
    [ "$code" -eq 0 ] || fail "export $run exited with $code: $(cat "$dir/log")"
    grep -qE "clip.mp4: frame [0-9]+ of [0-9]+ \([0-9]+%\), [0-9.]+ frames/s" "$dir/log" \
        || fail "export $run showed no progress"
    [ ! -e "$dir/clip.mp4.part" ] || fail "export $run left its temporary file"
    "$probe" "$dir/clip.mp4" "$recording" >"$dir/probe"
done
value() { awk -v name="$2" '$1 == name { $1 = ""; print substr($0, 2) }' "$WORK_DIR/$1/probe"; }
grep -q "^stream h264 yuv420p 1024x768" "$WORK_DIR/a/probe" || fail "$(cat "$WORK_DIR/a/probe")"
grep -q "^stream aac fltp 0x0 44100 Hz" "$WORK_DIR/a/probe" || fail "$(cat "$WORK_DIR/a/probe")"
frames=$(value a frames)
recording_ms=$(value a recording_ms)
duration_ms=$(value a duration_ms)
[ "$frames" -eq $((recording_ms * 60 / 1000 + 1)) ] || fail "$frames frames for $recording_ms ms"
[ $((duration_ms - recording_ms)) -ge 0 ] && [ $((duration_ms - recording_ms)) -le 17 ] \
    || fail "the clip lasts $duration_ms ms, the recording $recording_ms ms"
[ "$(value a digest)" = "$(value b digest)" ] || fail "two exports decoded differently"
cmp -s "$WORK_DIR/a/sound.wav" "$WORK_DIR/b/sound.wav" || fail "two exports wrote different WAVs"
[ "$(stat -c %s "$WORK_DIR/a/sound.wav")" -eq $((44 + frames * 735 * 4)) ] \
    || fail "the WAV does not last as long as the clip"

# Loudness per quarter second: resting from 0.5 to 2.5 s, stirring from 3 to 9 s.
read -r -a loudness <<<"$(value a loudness)"
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
    code=$(run_to_end "$WORK_DIR/shot$shot" "$binary" w --replay "$recording" \
        --frames "$shot" --screenshot shot.png)
    [ "$code" -eq 0 ] || fail "screenshot $shot exited with $code"
done
drawn_at() { grep -oE 'drawn at [0-9]+ ms' "$WORK_DIR/shot$1/log" | awk '{ print $3 }'; }
from=$(drawn_at 300)
until=$(drawn_at 301)
frame=$(((from * 60 + 999) / 1000))
[ $((frame * 1000)) -lt $((until * 60)) ] || fail "no clip frame between $from and $until ms"
"$probe" "$WORK_DIR/a/clip.mp4" "$recording" "$frame" "$WORK_DIR/frame.ppm" >/dev/null
psnr=$(compare -metric PSNR "$WORK_DIR/shot300/shot.png" "$WORK_DIR/frame.ppm" null: 2>&1 || true)
awk -v p="$psnr" 'BEGIN { exit !(p >= 38) }' || fail "clip frame $frame: PSNR $psnr dB"
echo "video_export: $frames frames for $recording_ms ms, repeatable, frame $frame at $psnr dB"
