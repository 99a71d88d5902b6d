#!/usr/bin/env bash
# An audio driver that does not exist: "Couldn't open audio" on stderr, then a silent program
# (its WAV copy of the sound holds no samples) that still stirs, pauses and resumes sound,
# saves a stirred field, and ends with 0 on Escape.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
export SDL_AUDIODRIVER=no_such_driver
use_program "$1"
start_program w --wav "$WORK_DIR/sound.wav"
wait_for_window >/dev/null
x_input mousemove 200 300
sweep 300 200 600 10
press_key s s u
click "$SAVE_X" "$SAVE_Y" # Save state.dat
wait_until 120 test -e "$WORK_DIR/state.dat" || fail "Save wrote no state.dat"
press_key Escape
expect_exit 0

grep -q "Couldn't open audio" "$PROGRAM_LOG" || fail "no audio failure message"
[ "$(stat -c %s "$WORK_DIR/sound.wav")" -eq 44 ] || fail "sound was produced without a device"
file="$WORK_DIR/state.dat"
[ -f "$file" ] || fail "no state.dat was saved"
[ "$(stat -c %s "$file")" -eq 38434 ] || fail "state.dat has $(stat -c %s "$file") bytes"
# Cell (33, 24) lies on the path (centre 402, 294): pushed to the right.
cell=$(od -A n -t f4 -j $((34 + 8 * (24 * 80 + 33))) -N 4 "$file" | tr -d ' ')
awk -v x="$cell" 'BEGIN { exit !(x > 1) }' || fail "cell on the path has x $cell"
echo "no_audio_device: audio failure reported; silent, stirred and saved; exit 0"
