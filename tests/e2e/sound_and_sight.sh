#!/usr/bin/env bash
# Real mouse motion near the top of the window plays sound (both channels equal) through the
# disk audio driver, and a screenshot after stirring shows lit particles.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
audio="$WORK_DIR/audio.raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio" SDL_DISKAUDIODELAY=46
use_program "$1"
start_program w
wait_for_window >/dev/null
for round in 1 2 3; do
    sweep 40 100 900 20
done
import -window root "$WORK_DIR/shot.png"
press_key Escape
expect_exit 0

[ -s "$audio" ] || fail "no audio was written"
samples=$(od -A n -t d2 -v "$audio" | tr -s ' ' '\n' | grep -v '^$')
loudest=$(echo "$samples" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }')
[ "$loudest" -gt 5000 ] || fail "audio too quiet: loudest sample $loudest"
unequal=$(echo "$samples" | paste - - | awk '$1 != $2' | wc -l)
[ "$unequal" -eq 0 ] || fail "$unequal frames with different channels"

brightness=$(convert "$WORK_DIR/shot.png" -colorspace Gray -format "%[fx:mean]" info:)
awk -v b="$brightness" 'BEGIN { exit !(b > 0.02) }' || fail "screenshot is dark (mean $brightness)"
echo "sound_and_sight: loudest sample $loudest, channels equal, screenshot mean $brightness"
