#!/usr/bin/env bash
# A run recorded with real X input before the simulation became a model of its own (stirring,
# g and v, every slider, the mode buttons, a right-button brush resize, Save) replays on every
# later build to exactly the state.dat it saved and the pictures it drew at frames 150 and 463
# (the recording holds 463). Recordings from earlier versions must stay valid and exact.
# The pictures are exact with the Mesa they were made with (golden/mesa-version); another
# Mesa rasterises edge pixels of sprites and smoothed lines differently (Debian 13's: 5 in
# frame 150, 293 in frame 463), so there at most 1000 of the 786432 may differ.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
use_program "$1"
golden="$PWD/tests/e2e/golden"
allowed=0
mesa=$(dpkg-query -W -f='${Version}' libgl1-mesa-dri 2>/dev/null || echo unknown)
[ "$mesa" = "$(cat "$golden/mesa-version")" ] || allowed=1000

for frames in 150 463; do
    dir="$WORK_DIR/frame-$frames"
    run_expecting 0 "$dir" w --replay "$golden/golden.rec" --frames "$frames" --screenshot frame.png
    differing=$(compare -metric AE "$golden/frame-$frames.png" "$dir/frame.png" null: 2>&1 || true)
    [ "$differing" -le "$allowed" ] 2>/dev/null \
        || fail "frame $frames: $differing pixels differ from the golden picture (Mesa $mesa)"
done
cmp -s "$golden/state.dat" "$WORK_DIR/frame-463/state.dat" \
    || fail "the replay saved a state.dat that differs from the golden one"
echo "golden_replay: state.dat exact; frames 150 and 463 within $allowed pixels (Mesa $mesa)"
