#!/usr/bin/env bash
# Record a run with real X input (stir, panel clicks, Save), then replay it: every replay
# saves the same state.dat and renders the same screenshot; a seed changes the particles
# and the same seed repeats them; bad recordings are refused before a window opens.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
use_program "$1"
recording="$WORK_DIR/run.rec"

start_program w --record "$recording"
wait_for_window >/dev/null
x_input mousemove 200 300
for x in $(seq 200 12 620); do
    x_input mousemove "$x" $((300 + x / 10))
done
press_key u
click $((AGE_X + 80)) $((SLIDER_Y + 8)) # Age slider
click "$PARTICLE_MODE_X" "$PARTICLE_MODE_Y"
click "$SAVE_X" "$SAVE_Y" # Save state.dat
wait_until 120 test -e "$WORK_DIR/state.dat" || fail "the recorded run saved nothing"
press_key Escape
expect_exit 0
[ -f "$WORK_DIR/state.dat" ] || fail "the recorded run saved nothing"

for run in a b; do
    run_expecting 0 "$WORK_DIR/replay-$run" w --replay "$recording"
    cmp -s "$WORK_DIR/state.dat" "$WORK_DIR/replay-$run/state.dat" \
        || fail "replay $run saved a different state.dat"
done

# How many frames the recording holds depends on how fast the recorded run drew. The shots take
# the last one.
frames=$(count_frames "$WORK_DIR/count" w --replay "$recording")

shoot() { # shoot NAME [OPTIONS...]
    local name="$1"
    shift
    run_expecting 0 "$WORK_DIR/shot-$name" w --replay "$recording" --screenshot shot.png \
        --frames "$frames" "$@"
    [ -s "$WORK_DIR/shot-$name/shot.png" ] || fail "screenshot run $name wrote no picture"
}
shoot first
shoot second
cmp -s "$WORK_DIR/shot-first/shot.png" "$WORK_DIR/shot-second/shot.png" \
    || fail "two replays rendered different pictures"
shoot seed7 --seed 7
shoot seed7again --seed 7
shoot seed8 --seed 8
cmp -s "$WORK_DIR/shot-seed7/shot.png" "$WORK_DIR/shot-seed7again/shot.png" \
    || fail "the same seed rendered different pictures"
cmp -s "$WORK_DIR/shot-seed7/shot.png" "$WORK_DIR/shot-seed8/shot.png" \
    && fail "different seeds rendered the same picture"

printf '' >"$WORK_DIR/empty.rec"
head -c 30 "$recording" >"$WORK_DIR/truncated.rec"
printf 'PNG\0\0\0\0\0Z' >"$WORK_DIR/magic.rec"
{ printf 'QREC\2\0\0\0'; tail -c +9 "$recording"; } >"$WORK_DIR/version.rec"
for bad in empty truncated magic version; do
    run_expecting 1 "$WORK_DIR/bad-$bad" w --replay "$WORK_DIR/$bad.rec"
    grep -q "cannot replay" "$WORK_DIR/bad-$bad/log" || fail "$bad recording: no message"
done
echo "replay: $frames frames; two replays saved the recorded state.dat; pictures repeat per seed; bad recordings refused"
