#!/usr/bin/env bash
# The golden recording replayed into screensaver windows larger than the picture, a 2048 x 1536
# one given by --window-id and a 1920 x 1080 root window, shows the 1024 x 768 pictures enlarged
# into the letterbox, black beside it: scaled back, at most 0.5 % of the pixels are off by more
# than a tenth. The model and the sound work in the picture whatever the window, so the replay
# saves the golden state.dat bytes and renders the same WAV as in a 1024 x 768 window (those
# runs draw a frame a second: the sound does not depend on the frames drawn).
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
use_program "$1"
golden="$PWD/tests/e2e/golden"

replay() { # replay NAME ARGS...: the golden recording replayed in the work folder NAME
    local dir="$WORK_DIR/$1"
    shift
    run_expecting 0 "$dir" "$@" --replay "$golden/golden.rec"
}

# check_pictures SIZE AREA: the window's frame 463 against the golden one, and its bars.
check_pictures() {
    local dir="$WORK_DIR/$1" area="$2" off allowed=$((1024 * 768 / 200))
    convert "$dir/frame.png" -crop "$area" +repage -filter point -resize '1024x768!' "$dir/back.png"
    off=$(compare -metric AE -fuzz 10% "$golden/frame-463.png" "$dir/back.png" null: 2>&1 || true)
    [ "$off" -le "$allowed" ] 2>/dev/null \
        || fail "$1: $off pixels of the picture scaled back differ from the golden frame"
    local bars
    bars=$(convert "$dir/frame.png" -region "$area" -fill black -colorize 100 -format "%[fx:maxima]" info:)
    [ "$bars" = 0 ] || fail "$1: the window is not black beside the picture"
    cmp -s "$golden/state.dat" "$dir/state.dat" || fail "$1: the replay saved another state.dat"
    echo "$1: $off of $((1024 * 768)) pixels off by more than a tenth once scaled back;" \
        "state.dat exact"
}

start_xvfb 2048x1536 || fail "no 2048 x 1536 display"
replay window-1024 w --fps 1 --wav sound.wav
root=$(xwininfo -root | awk '/Window id:/ {print $4}')
replay window-2048 --window-id "$root" --frames 463 --screenshot frame.png
check_pictures window-2048 2048x1536+0+0
replay window-2048 --window-id "$root" --fps 1 --wav sound.wav
cmp -s "$WORK_DIR/window-1024/sound.wav" "$WORK_DIR/window-2048/sound.wav" \
    || fail "the 2048 x 1536 window's WAV differs from the 1024 x 768 window's"
stop_xvfb

start_xvfb 1920x1080 || fail "no 1920 x 1080 display"
replay root-1920 --root --frames 463 --screenshot frame.png
check_pictures root-1920 1440x1080+240+0
replay root-1920 --root --fps 1 --wav sound.wav
cmp -s "$WORK_DIR/window-1024/sound.wav" "$WORK_DIR/root-1920/sound.wav" \
    || fail "the 1920 x 1080 root window's WAV differs from the 1024 x 768 window's"
echo "any_window: both WAVs equal the 1024 x 768 window's"
