#!/usr/bin/env bash
# tests/reliability/soak.sh BINARY [SECONDS]: runs the real program (BINARY w) on the display
# for SECONDS (default 60) of random real X input: motion, clicks and drags with both buttons,
# drags on the panel's sliders, the keys g v r s u, and Save and Load clicks.
# Meanwhile it checks that the program stays alive, that "state.dat" is always either absent
# or a whole valid 38434-byte file (a snapshot is taken and checked every 50 ms), and that
# resident memory stays flat after the warm-up. The warm-up (the first quarter of the run, at
# least 5 s) follows reaching the largest working set on purpose: the most particles, every
# mode, Save and Load. Readings swing by megabytes with the number of live particles, so a
# leak shows as a floor that rises past that: the lowest reading of the second half after
# the warm-up must be at most 8 MB above the highest of the warm-up. Ends the program with
# Escape, which must exit with 0.
# Prints the memory readings. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
use_program "$1"
seconds="${2:-60}"
# How far the memory floor late in the run may rise above the warm-up's highest reading.
ALLOWED_GROWTH_KB=8192
STATE_SIZE=38434
SLIDER_XS=("$AGE_X" "$COLOR_MUL_X" "$INIT_X_SPEED_X" "$INIT_Y_SPEED_X" "$PARTICLE_COUNT_X")

watcher_pid=""
stop_watcher() { [ -z "$watcher_pid" ] || kill "$watcher_pid" 2>/dev/null; }
at_exit stop_watcher

resident_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$PROGRAM_PID/status"; }

# Prints what is wrong with a state file snapshot, nothing if it is whole and valid.
check_state_file() {
    local file="$1" size
    size=$(stat -c %s "$file")
    [ "$size" -eq "$STATE_SIZE" ] || { echo "$size bytes"; return; }
    local header
    header=$(od -A n -t d4 -j 26 -N 8 "$file" | xargs)
    [ "$header" = "80 60" ] || { echo "grid $header"; return; }
    [ "$(od -A n -t u1 -N 1 "$file" | xargs)" = 0 ] || echo "format byte"
    od -A n -v -t f4 -j 1 -N 4 "$file" | grep -qiE 'nan|inf' && echo "brush radius not finite"
    od -A n -v -t f4 -j 34 "$file" | grep -qiE 'nan|inf' && echo "a cell that is not finite"
    return 0
}

# Background: snapshots state.dat every 50 ms (cp reads one version of a file that is
# replaced by rename) and checks each new version; writes problems to $WORK_DIR/bad.
watch_state_file() {
    local last="" sum problem checks=0 versions=0
    while :; do
        if cp "$WORK_DIR/state.dat" "$WORK_DIR/snapshot" 2>/dev/null; then
            checks=$((checks + 1))
            sum=$(cksum <"$WORK_DIR/snapshot")
            if [ "$sum" != "$last" ]; then
                versions=$((versions + 1))
                problem=$(check_state_file "$WORK_DIR/snapshot")
                if [ -n "$problem" ]; then
                    cp "$WORK_DIR/snapshot" "$WORK_DIR/bad-state.dat"
                    echo "state.dat snapshot $checks: $problem" >>"$WORK_DIR/bad"
                fi
                last="$sum"
            fi
            echo "$checks $versions" >"$WORK_DIR/watch-count"
        fi
        sleep 0.05
    done
}

random_below() { echo $((RANDOM % $1)); }

# Random input. The panel's visibility is tracked from the u presses.
panel=0
toggle_panel() {
    press_key u
    panel=$((1 - panel))
}
show_panel() { [ "$panel" -eq 1 ] || toggle_panel; }

# A random walk of 5 to 24 steps from a random point.
random_stir() {
    local px=$((100 + $(random_below 800))) py=$((100 + $(random_below 560))) points=()
    for _ in $(seq 1 $((5 + $(random_below 20)))); do
        px=$(((px + $(random_below 81) - 40 + 1024) % 1024))
        py=$(((py + $(random_below 81) - 40 + 768) % 768))
        points+=("$px" "$py")
    done
    glide 0.01 "${points[@]}"
}

drag_slider() {
    show_panel
    local left=${SLIDER_XS[$(random_below 5)]}
    local from_x=$((left + $(random_below "$SLIDER_WIDTH")))
    local from_y=$((SLIDER_Y + $(random_below "$SLIDER_HEIGHT")))
    drag 1 "$from_x" "$from_y" $(($(random_below 241) - 120)) $(($(random_below 21) - 10))
}

press_random_key() {
    local keys=(g v r s u) key
    key=${keys[$(random_below 5)]}
    if [ "$key" = u ]; then toggle_panel; else press_key "$key"; fi
}

# Reaches the largest working set: the particle count slider at its end, the field stirred
# until particles fill it, every key and mode button, Save and Load.
reach_largest_working_set() {
    show_panel
    drag 1 $((PARTICLE_COUNT_X + SLIDER_WIDTH / 2)) $((SLIDER_Y + SLIDER_HEIGHT / 2)) "$SLIDER_WIDTH" 0
    local key button
    for key in g v s; do
        press_key "$key"
        random_stir
    done
    for button in "$GRADIENT_MODE_X $GRADIENT_MODE_Y" "$PARTICLE_MODE_X $PARTICLE_MODE_Y" \
            "$GRID_X $GRID_Y" "$CELLS_X $CELLS_Y" "$SAVE_X $SAVE_Y" "$LOAD_X $LOAD_Y"; do
        read -r bx by <<<"$button"
        click "$bx" "$by"
        random_stir
    done
}

random_action() {
    local roll
    roll=$(random_below 100)
    if [ "$roll" -lt 40 ]; then random_stir
    elif [ "$roll" -lt 50 ]; then
        drag 3 $((50 + $(random_below 900))) $((100 + $(random_below 500))) 0 \
            $(($(random_below 161) - 80))
    elif [ "$roll" -lt 58 ]; then
        drag 1 "$(random_below 1024)" "$(random_below 768)" $(($(random_below 101) - 50)) \
            $(($(random_below 101) - 50))
    elif [ "$roll" -lt 66 ]; then
        click "$(random_below 1024)" "$(random_below 768)" $((1 + 2 * $(random_below 2)))
    elif [ "$roll" -lt 76 ]; then drag_slider
    elif [ "$roll" -lt 86 ]; then press_random_key
    elif [ "$roll" -lt 94 ]; then show_panel; click "$SAVE_X" "$SAVE_Y"
    elif [ "$roll" -lt 98 ]; then show_panel; click "$LOAD_X" "$LOAD_Y"
    else glide 0.05 1010 760 # the corner that clears the field
    fi
}

start_program w
wait_for_window >/dev/null
watch_state_file &
watcher_pid=$!

echo "== Soak: $seconds s of random input"
reach_largest_working_set
start=$SECONDS
warmup=$((seconds / 4 > 5 ? seconds / 4 : 5))
warm_index="" actions=0 samples=() last_sample=-1
while [ $((SECONDS - start)) -lt "$seconds" ]; do
    program_alive || fail "the program died after $((SECONDS - start)) s"
    [ ! -s "$WORK_DIR/bad" ] || fail "$(cat "$WORK_DIR/bad")"
    random_action
    actions=$((actions + 1))
    elapsed=$((SECONDS - start))
    if [ "$elapsed" -ne "$last_sample" ]; then
        last_sample=$elapsed
        samples+=("$(resident_kb)")
        [ -z "$warm_index" ] && [ "$elapsed" -ge "$warmup" ] && warm_index=$((${#samples[@]} - 1))
    fi
done
samples+=("$(resident_kb)")
press_key Escape
expect_exit 0
stop_watcher
wait "$watcher_pid" 2>/dev/null || true
watcher_pid=""
[ ! -s "$WORK_DIR/bad" ] || fail "$(cat "$WORK_DIR/bad")"
if [ -e "$WORK_DIR/state.dat" ]; then
    problem=$(check_state_file "$WORK_DIR/state.dat")
    [ -z "$problem" ] || fail "final state.dat: $problem"
fi

read -r checks versions <"$WORK_DIR/watch-count" 2>/dev/null || { checks=0 versions=0; }
lowest() { printf '%s\n' "$@" | sort -n | head -n 1; }
highest() { printf '%s\n' "$@" | sort -n | tail -n 1; }
warm_index=${warm_index:-$((${#samples[@]} - 2))}
after=("${samples[@]:$warm_index}")
half=$(((${#after[@]} + 1) / 2))
warm_peak=$(highest "${samples[@]:0:$((warm_index + 1))}")
last_floor=$(lowest "${after[@]:$half}")
echo "soak: $seconds s, $actions random actions, program alive throughout, Escape exit 0"
echo "soak: state.dat checked $checks times, $versions versions seen, all whole and valid"
echo "soak: highest resident memory $warm_peak kB in the $warmup s warm-up," \
    "lowest $last_floor kB in the second half after it"
echo "soak: samples (kB, one a second): ${samples[*]}"
[ $((last_floor - warm_peak)) -le "$ALLOWED_GROWTH_KB" ] \
    || fail "the resident memory floor rose $((last_floor - warm_peak)) kB above the warm-up's highest reading"
