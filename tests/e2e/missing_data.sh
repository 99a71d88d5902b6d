#!/usr/bin/env bash
# Start-up without data/ (a message naming every folder looked in), or with one image file
# damaged (garbage, or cut short: a message naming the file); exit code 1 in each case.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
use_program "$1"

expect_refusal() { # expect_refusal DIR FILE CASE: DIR holds a data/ of its own
    run_expecting 1 "$1" w
    grep "Start-up failed" "$1/log" | grep -qF "$2" \
        || fail "$3: no message naming $2: $(cat "$1/log")"
}

mkdir -p "$WORK_DIR/empty/data" # a folder named data without the program's files
expect_refusal "$WORK_DIR/empty" "looked in $WORK_DIR/empty/data and " "no data folder"
grep -q "and $(dirname "$(dirname "$PROGRAM")")/share/games/quillomer\$" "$WORK_DIR/empty/log" \
    || fail "no data folder: the installed folder is not named: $(cat "$WORK_DIR/empty/log")"

damage_garbage() { printf 'not an image' >"$1"; }
damage_cut() { head -c $(($(stat -c %s "$1") / 2)) "$1" >"$1.cut" && mv "$1.cut" "$1"; }
for image in font_medium font_small slider_h button_up_small flare gradient button_up; do
    for damage in garbage cut; do
        dir="$WORK_DIR/$image-$damage"
        mkdir "$dir"
        cp -r data "$dir/data"
        "damage_$damage" "$dir/data/$image.png"
        expect_refusal "$dir" "data/$image.png" "$image.png ($damage)"
    done
done
echo "missing_data: no data/ and 14 damaged images each named at start-up, exit code 1"
