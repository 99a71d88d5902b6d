#!/usr/bin/env bash
# --autopilot stirs with no hand on the mouse: recorded with --record, the run replays at
# --fps 20 (no more than 20 frames a second drawn) to the state.dat it saved, with sound that
# is loud where the autopilot stirs and falls silent where it rests; its particles leave their
# starting band; and frame 200 is drawn no sooner than 199 twentieths of a second in.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
use_program "$1"
recording="$WORK_DIR/autopilot.rec"
live_audio="$WORK_DIR/live.raw"

# The disk audio driver plays in real time: its file says how long the run has gone on. With
# --seed 3 the autopilot rests from about 16.8 s to 20.8 s of the recording, so 22 s of sound
# after the window shows hold the rest and a second of stirring after it (measured: a run of
# 20 s ends inside the rest).
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$live_audio" SDL_DISKAUDIODELAY=46 \
    start_program w --autopilot --seed 3 --record "$recording"
wait_for_window >/dev/null
audio_bytes() { stat -c %s "$live_audio" 2>/dev/null || echo 0; }
shown_at=$(audio_bytes)
played() { [ "$(audio_bytes)" -ge $((shown_at + $1 * 44100 * 4)) ]; }
wait_until 300 played 22 || fail "the autopilot run did not play 22 seconds"
# A key takes over from the autopilot: open the panel and save.
press_key u
click "$SAVE_X" "$SAVE_Y" # Save state.dat
wait_until 120 test -e "$WORK_DIR/state.dat" || fail "the autopilot run saved nothing"
press_key Escape
expect_exit 0

# Replays take the recorded run's seed.
replay=(w --seed 3 --replay "$recording")

# One replay at --fps 20 saves the recorded state.dat and writes the sound: a replay's WAV is
# rendered at the recording's instants whatever frames are drawn.
run_expecting 0 "$WORK_DIR/fps" "${replay[@]}" --fps 20 --wav sound.wav
cmp -s "$WORK_DIR/state.dat" "$WORK_DIR/fps/state.dat" || fail "the replay at --fps 20 saved another state.dat"
# The sound in tenths of a second: loud stretches, and a rest of at least a second of near
# silence between two of them.
pattern=$(tail -c +45 "$WORK_DIR/fps/sound.wav" | od -A n -t d2 -v | tr -s ' ' '\n' \
    | grep -v '^$' | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v }
        NR % 8820 == 0 { printf "%s", (m > 3000 ? "L" : (m < 100 ? "q" : "-")); m = 0 }')
echo "$pattern" | grep -qE 'L-*q{10,}[q-]*L' \
    || fail "no loud-quiet-loud pattern in the replay's sound: $pattern"
# Frame 200 at --fps 20 comes no sooner than 199 twentieths of a second into the recording.
run_expecting 0 "$WORK_DIR/fps-shot" "${replay[@]}" --fps 20 --screenshot shot.png --frames 200
at=$(grep -oE 'frame 200, drawn at [0-9]+ ms' "$WORK_DIR/fps-shot/log" | awk '{ print $5 }')
[ "${at:-0}" -ge $((199 * 50)) ] || fail "--fps 20: frame 200 at ${at:-?} ms: $(cat "$WORK_DIR/fps-shot/log")"

# Particles start in a band (y 76 to 459) and stand still until stirred: the rows below it
# (above the panel) light up only once the autopilot has moved them there.
run_expecting 0 "$WORK_DIR/first" "${replay[@]}" --screenshot shot.png --frames 1
below() { convert "$1" -crop 1024x140+0+510 -colorspace Gray -format "%[fx:mean]" info:; }
band() { convert "$1" -crop 1024x300+0+120 -colorspace Gray -format "%[fx:mean]" info:; }
share() { awk -v b="$(below "$1")" -v a="$(band "$1")" 'BEGIN { printf "%.3f", b / a }'; }
before=$(share "$WORK_DIR/first/shot.png")
after=$(share "$WORK_DIR/fps-shot/shot.png")
awk -v b="$before" -v a="$after" 'BEGIN { exit !(a > 2 * b + 0.05) }' \
    || fail "particles stayed in their band: brightness below it / in it $before at first, $after at $at ms"
echo "autopilot: the replay saved the recorded state.dat; sound $pattern; with --fps 20 frame 200" \
    "at $at ms; band share $before at first, $after there"
