#!/usr/bin/env bash
# --wav writes exactly the samples the synthesiser produced, behind a valid 44.1 kHz 16-bit
# stereo header: the bytes the disk audio driver received in the same run, after the silent
# buffers SDL writes to the device while playback is still paused at the start.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK_DIR/device.raw" SDL_DISKAUDIODELAY=46
use_program "$1"
start_program w --wav "$WORK_DIR/sound.wav"
wait_for_window >/dev/null
sweep 60 100 900 25
sweep 60 900 100 -25
wav="$WORK_DIR/sound.wav"
# The header is brought up to date every second: wait until it holds a second of sound.
holds_a_second() { [ "$(od -A n -t u4 -j 40 -N 4 "$wav" | tr -d ' ')" -ge $((44100 * 4)) ]; }
wait_until 120 holds_a_second || fail "the WAV header never reached a second of sound"
press_key Escape
expect_exit 0

[ -f "$wav" ] || fail "no WAV file"
field() { od -A n -t "u$2" -j "$1" -N "$2" "$wav" | tr -d ' '; }
[ "$(head -c 4 "$wav")" = "RIFF" ] || fail "no RIFF header"
[ "$(field 22 2)" = "2" ] || fail "channels $(field 22 2)"
[ "$(field 24 4)" = "44100" ] || fail "sample rate $(field 24 4)"
[ "$(field 34 2)" = "16" ] || fail "bits $(field 34 2)"
data_bytes=$(field 40 4)
size=$(stat -c %s "$wav")
[ "$data_bytes" -eq $((size - 44)) ] || fail "data size $data_bytes in a file of $size bytes"
[ "$(field 4 4)" -eq $((size - 8)) ] || fail "RIFF size $(field 4 4) in a file of $size bytes"
frames=$((data_bytes / 4))
[ "$frames" -ge 44100 ] || fail "only $frames frames for a run of more than a second"
[ $((frames % 2048)) -eq 0 ] || fail "$frames frames is not a whole number of buffers"
tail -c +45 "$wav" >"$WORK_DIR/sound.raw"
# The device may also get buffers after the capture stops at exit: find the WAV's samples
# after at most four leading silent buffers.
found=""
for lead in 0 8192 16384 24576 32768; do
    if cmp -s -n "$data_bytes" -i "$lead:0" "$WORK_DIR/device.raw" "$WORK_DIR/sound.raw"; then
        found=$lead
        break
    fi
done
[ -n "$found" ] || fail "WAV samples differ from what the device got"
[ "$(head -c "$found" "$WORK_DIR/device.raw" | tr -d '\0' | wc -c)" -eq 0 ] \
    || fail "the device's leading buffers before the capture are not silent"
unequal=$(od -A n -t d2 -v "$WORK_DIR/sound.raw" | tr -s ' ' '\n' | grep -v '^$' | paste - - \
    | awk '$1 != $2' | wc -l)
[ "$unequal" -eq 0 ] || fail "$unequal frames with different channels"
loudest=$(od -A n -t d2 -v "$WORK_DIR/sound.raw" | tr -s ' ' '\n' \
    | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }')
[ "$loudest" -gt 1000 ] || fail "silent capture (loudest sample $loudest)"
echo "wav_capture: $frames frames, header valid, identical to the device stream"
