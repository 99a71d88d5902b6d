#!/usr/bin/env bash
# The golden recording replayed into screensaver windows larger than the picture, a 2048 x 1536
# one given by --window-id and a 1920 x 1080 root window, shows the 1024 x 768 pictures enlarged
# into the letterbox, black beside it: scaled back, frame 150 has at most 0.5 % of its pixels
# off by more than a tenth. The model and the sound work in the picture whatever the window, so
# the whole replay saves the golden state.dat bytes and renders the same WAV as in a 1024 x 768
# window (those runs draw a frame a second: the sound does not depend on the frames drawn).
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
use_program "$1"
golden="$PWD/tests/e2e/golden"

replay() { # replay NAME ARGS...: the golden recording replayed in the work folder NAME
    local dir="$WORK_DIR/$1"
    shift
    run_expecting 0 "$dir" "$@" --replay "$golden/golden.rec"
}

# check_picture SIZE AREA: the window's frame 150 against the golden one, and its bars.
check_picture() {
    local dir="$WORK_DIR/$1" area="$2" off allowed=$((1024 * 768 / 200))
    convert "$dir/frame.png" -crop "$area" +repage -filter point -resize '1024x768!' "$dir/back.png"
    off=$(compare -metric AE -fuzz 10% "$golden/frame-150.png" "$dir/back.png" null: 2>&1 || true)
    [ "$off" -le "$allowed" ] 2>/dev/null \
        || fail "$1: $off pixels of the picture scaled back differ from the golden frame"
    local bars
    bars=$(convert "$dir/frame.png" -region "$area" -fill black -colorize 100 -format "%[fx:maxima]" info:)
    [ "$bars" = 0 ] || fail "$1: the window is not black beside the picture"
    echo "$1: $off of $((1024 * 768)) pixels off by more than a tenth once scaled back"
}

# check_sound NAME: the whole replay NAME saved the golden state.dat and the 1024 x 768 window's WAV.
check_sound() {
    cmp -s "$golden/state.dat" "$WORK_DIR/$1/state.dat" || fail "$1: the replay saved another state.dat"
    cmp -s "$WORK_DIR/window-1024/sound.wav" "$WORK_DIR/$1/sound.wav" \
        || fail "$1: the WAV differs from the 1024 x 768 window's"
}

start_xvfb 2048x1536 || fail "no 2048 x 1536 display"
replay window-1024 w --fps 1 --wav sound.wav
root=$(xwininfo -root | awk '/Window id:/ {print $4}')
replay window-2048 --window-id "$root" --frames 150 --screenshot frame.png
check_picture window-2048 2048x1536+0+0
replay window-2048-sound --window-id "$root" --fps 1 --wav sound.wav
check_sound window-2048-sound
stop_xvfb

start_xvfb 1920x1080 || fail "no 1920 x 1080 display"
replay root-1920 --root --frames 150 --screenshot frame.png
check_picture root-1920 1440x1080+240+0
replay root-1920-sound --root --fps 1 --wav sound.wav
check_sound root-1920-sound
echo "any_window: both saved the golden state.dat, and both WAVs equal the 1024 x 768 window's"
