#!/usr/bin/env bash
# Real X input: stir the field, show the panel with u, click "Save state.dat", Escape.
# The saved file holds the default settings and a field stirred along the mouse's path.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
use_program "$1"
start_program w
wait_for_window >/dev/null
x_input mousemove 200 300
sweep 300 200 600 10
press_key u
click "$SAVE_X" "$SAVE_Y" # Save state.dat
wait_until 120 test -e "$WORK_DIR/state.dat" || fail "Save wrote no state.dat"
press_key Escape
expect_exit 0

file="$WORK_DIR/state.dat"
[ -f "$file" ] || fail "no state.dat was saved"
size=$(stat -c %s "$file")
[ "$size" -eq 38434 ] || fail "state.dat has $size bytes"
header=$(od -A n -t f4 -j 1 -N 4 "$file" | tr -d ' ')
[ "$header" = "100" ] || fail "brush radius $header"
mode=$(od -A n -t d1 -j 5 -N 1 "$file" | tr -d ' ')
[ "$mode" = "3" ] || fail "gradient mode $mode"
count=$(od -A n -t d4 -j 6 -N 4 "$file" | tr -d ' ')
[ "$count" = "2500" ] || fail "particle count $count"
grid=$(od -A n -t d4 -j 26 -N 8 "$file" | xargs)
[ "$grid" = "80 60" ] || fail "grid $grid"
# Cell (33, 24) lies on the path (centre 402, 294): pushed to the right.
cell=$(od -A n -t f4 -j $((34 + 8 * (24 * 80 + 33))) -N 4 "$file" | tr -d ' ')
awk -v x="$cell" 'BEGIN { exit !(x > 1) }' || fail "cell on the path has x $cell"
# Cell (33, 50) lies far below the path: untouched.
far=$(od -A n -t f4 -j $((34 + 8 * (50 * 80 + 33))) -N 4 "$file" | tr -d ' ')
[ "$far" = "0" ] || fail "cell far from the path has x $far"
echo "stir_and_save: saved 38434 bytes, defaults and a stirred path"
