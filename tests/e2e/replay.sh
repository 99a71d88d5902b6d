#!/usr/bin/env bash
# Record a run with real X input (stir, panel clicks, Save) from a stirred state.dat with a
# seed, then replay it without the seed: in an empty folder and in one holding another
# state.dat, from the file and from a link, every replay saves the recorded state.dat and
# renders the same screenshot; so does the jam kept from an earlier build. A seed other than the recording's, an old recording replayed
# with a seed it was not made with, and bad recordings are refused with a reason.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
use_program "$1"
recording="$WORK_DIR/run.rec"
golden="$REPO_ROOT/tests/e2e/golden"

work_folder "$WORK_DIR"
cp "$golden/state.dat" "$WORK_DIR/state.dat" # the stirred field the run starts from
start_program w --seed 5 --record "$recording"
wait_for_window >/dev/null
x_input mousemove 200 300
for x in $(seq 200 12 620); do
    x_input mousemove "$x" $((300 + x / 10))
done
press_key u
click $((AGE_X + 80)) $((SLIDER_Y + 8)) # Age slider
click "$PARTICLE_MODE_X" "$PARTICLE_MODE_Y"
click "$SAVE_X" "$SAVE_Y" # Save state.dat
wait_until 120 test "$WORK_DIR/state.dat" -nt "$recording" || fail "the recorded run saved nothing"
press_key Escape
expect_exit 0
cmp -s "$golden/state.dat" "$WORK_DIR/state.dat" && fail "the recorded run saved the field it started from"

# An empty folder, and one whose state.dat is another field: the recording brings its own.
work_folder "$WORK_DIR/other"
head -c 34 "$golden/state.dat" >"$WORK_DIR/other/state.dat"
link="https://example.org/quillomer/#jam=$(basenc --base64url "$recording" | tr -d '\n=')"
for run in empty other link; do
    source=("$recording")
    [ "$run" = link ] && source=("$link")
    run_expecting 0 "$WORK_DIR/$run" w --replay "${source[@]}"
    cmp -s "$WORK_DIR/state.dat" "$WORK_DIR/$run/state.dat" \
        || fail "the replay in the $run folder saved a different state.dat"
done
echo "$link" >"$WORK_DIR/link.txt"
run_expecting 0 "$WORK_DIR/link-file" w --replay "$WORK_DIR/link.txt"
cmp -s "$WORK_DIR/state.dat" "$WORK_DIR/link-file/state.dat" \
    || fail "the replay of a file holding the link saved a different state.dat"

# A jam recorded by an earlier build (with --seed 5, from the golden state.dat, ended with Save)
# still replays to the file it saved.
jam="$REPO_ROOT/tests/e2e/jam"
run_expecting 0 "$WORK_DIR/kept-jam" w --replay "$jam/jam.rec"
cmp -s "$jam/state.dat" "$WORK_DIR/kept-jam/state.dat" || fail "the kept jam saved a different state.dat"

# How many frames the recording holds depends on how fast the recorded run drew. The shots take
# the last one.
frames=$(count_frames "$WORK_DIR/count" w --replay "$recording")
for shot in first second; do
    run_expecting 0 "$WORK_DIR/shot-$shot" w --replay "$recording" --screenshot shot.png \
        --frames "$frames"
done
cmp -s "$WORK_DIR/shot-first/shot.png" "$WORK_DIR/shot-second/shot.png" \
    || fail "two replays rendered different pictures"

run_expecting 1 "$WORK_DIR/seed" w --replay "$recording" --seed 8
grep -q "carries its own seeds" "$WORK_DIR/seed/log" || fail "--seed 8: no message"
# The golden recording (an old one, made without --seed) read its seeds from the clock.
run_expecting 1 "$WORK_DIR/old-seed" w --replay "$golden/golden.rec" --seed 5
grep -q "left the recorded one" "$WORK_DIR/old-seed/log" || fail "old recording with --seed: no message"
[ -e "$WORK_DIR/old-seed/state.dat" ] && fail "the old recording replayed out of step saved state.dat"

printf '' >"$WORK_DIR/empty.rec"
head -c 30 "$recording" >"$WORK_DIR/truncated.rec"
printf 'PNG\0\0\0\0\0Z' >"$WORK_DIR/magic.rec"
{ printf 'QREC\3\0\0\0'; tail -c +9 "$recording"; } >"$WORK_DIR/version.rec"
echo "${link%?????}" >"$WORK_DIR/cut-link.txt"
for bad in empty truncated magic version cut-link; do
    file="$WORK_DIR/$bad.rec"
    [ "$bad" = cut-link ] && file="$WORK_DIR/cut-link.txt"
    run_expecting 1 "$WORK_DIR/bad-$bad" w --replay "$file"
    grep -q "cannot replay" "$WORK_DIR/bad-$bad/log" || fail "$bad recording: no message"
done
echo "replay: $frames frames; $(stat -c %s "$recording") bytes, a ${#link}-character link; replays without the seed in any folder saved the recorded state.dat; wrong seeds and bad recordings refused"
