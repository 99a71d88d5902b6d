#!/usr/bin/env bash
# tests/reliability/memcheck.sh BINARY [SECONDS]: runs the real program (BINARY w) under
# Valgrind's memcheck on the display with scripted X input (stirring, the panel's sliders and
# buttons, Save, Load, the keys g v r s) for about SECONDS of stirring (default 5), ends it with
# Escape, and reads Valgrind's log. Fails on any invalid access or other memory error in the
# project's own code (a project frame among the first four of its stack) and on any block
# definitely lost whose allocation the project's code made; errors and leaks inside the
# system's libraries (ld.so, X11, SDL, Mesa) are counted but not failed. Prints Valgrind's
# summaries.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
use_program "$1"
seconds="${2:-5}"
log="$WORK_DIR/valgrind.log"

work_folder "$WORK_DIR"
start_in "$WORK_DIR" valgrind --tool=memcheck --leak-check=full --num-callers=40 \
    --fullpath-after="$REPO_ROOT/" --log-file="$log" "$PROGRAM" w
echo "== Memcheck: waiting for the first frame (Valgrind starts slowly)"
wait_for_window 600 >/dev/null

# Under Valgrind a frame takes long and SDL's event queue holds 128 events (more are
# dropped), so the input is paced.
INPUT_PAUSE=1
KEY_DELAY=300
line_stir() { # motion along a slanting line across the middle
    local points=() x
    for x in $(seq 150 50 850); do
        points+=("$x" $((250 + x / 5)))
    done
    glide 0.1 "${points[@]}"
}

line_stir
press_key u
for slider_x in "$AGE_X" "$COLOR_MUL_X" "$INIT_X_SPEED_X" "$INIT_Y_SPEED_X" "$PARTICLE_COUNT_X"; do
    click $((slider_x + 90)) $((SLIDER_Y + SLIDER_HEIGHT / 2))
done
click "$SAVE_X" "$SAVE_Y"
wait_until 300 test -e "$WORK_DIR/state.dat" || fail "Save wrote no state.dat"
click "$LOAD_X" "$LOAD_Y"
click "$PARTICLE_MODE_X" "$PARTICLE_MODE_Y"
click "$GRADIENT_MODE_X" "$GRADIENT_MODE_Y"
click "$CELLS_X" "$CELLS_Y"
click "$GRID_X" "$GRID_Y"
press_key u
press_key g v r s s
start=$SECONDS
while [ $((SECONDS - start)) -lt "$seconds" ]; do
    line_stir
done
drag 3 500 300 0 100
echo "== Memcheck: Escape, then waiting for the exit and the leak check"
for _ in $(seq 1 30); do
    press_key Escape
    wait_until 10 program_ended && break
done
program_ended || fail "Escape did not end the program"
expect_exit 0
[ -f "$WORK_DIR/state.dat" ] || fail "nothing was saved"

# The project's code: every top folder of the tree that holds C++ sources (Valgrind names
# them relative to the repository, see --fullpath-after).
sources() {
    git -C "$REPO_ROOT" ls-files '*.cpp' '*.h' 2>/dev/null ||
        (cd "$REPO_ROOT" && find . -path ./node_modules -prune -o -path './build*' -prune -o \
            \( -name '*.cpp' -o -name '*.h' \) -print)
}
project_folders=$(sources | sed 's#^\./##' | awk -F/ 'NF > 1 { print $1 }' | sort -u | paste -sd'|')
[ -n "$project_folders" ] || fail "found no C++ sources in $REPO_ROOT"

# Splits the log into records at its empty lines and sorts out the ones whose stack shows
# the project's code (a path below one of its folders) among the first four frames.
analysis=$(awk -v folders="$project_folders" '
    function flush() {
        if (record != "") {
            project = (frames_seen > 0 && project_frame > 0 && project_frame <= 4)
            if (record ~ /definitely lost in loss record/) {
                if (project) { own_leaks++; print record > "/dev/stderr" }
            } else if (record ~ /Invalid|uninitialised|Mismatched|overlap|unaddressable|Syscall/) {
                errors++
                if (project) { own_errors++; print record > "/dev/stderr" }
            }
        }
        record = ""; frames_seen = 0; project_frame = 0
    }
    { sub(/^==[0-9]+== ?/, "") }
    /^ *$/ { flush(); next }
    {
        record = record $0 "\n"
        if ($0 ~ /^ +(at|by) 0x/) {
            frames_seen++
            if (project_frame == 0 && $0 ~ ("\\((" folders ")/[^ :]+:[0-9]+\\)$"))
                project_frame = frames_seen
        }
    }
    END { flush(); printf "%d %d %d\n", errors, own_errors, own_leaks }
' "$log")
read -r errors own_errors own_leaks <<<"$analysis"

grep -E "ERROR SUMMARY|definitely lost:|indirectly lost:|possibly lost:|still reachable:" "$log" \
    | sed 's/^==[0-9]*== */valgrind: /'
echo "memcheck: $errors memory errors in all, $own_errors in the project's code;" \
    "$own_leaks blocks definitely lost by the project's code"
[ "$own_errors" -eq 0 ] || fail "memory errors in the project's code (above)"
[ "$own_leaks" -eq 0 ] || fail "memory leaked by the project's code (above)"
