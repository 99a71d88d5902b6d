# The one harness for every script that drives the real program (the end-to-end tests, the
# soak and memcheck runs, the README's screenshots): a work folder that sees the repository's
# data/, the program started there, real X input, waits for its window and its end, and the
# panel's positions. Sourced, not run. When the script ends, the program is stopped, then what
# at_exit named, any display the script started, and the work folder (kept with KEEP_WORK_DIR).
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

PROGRAM=""
PROGRAM_PID=""
PROGRAM_LOG=$(mktemp)
WORK_DIR=$(mktemp -d)
FAIL_LOG="$PROGRAM_LOG"
EXIT_HOOKS=()

# at_exit FUNCTION: runs FUNCTION when the script ends.
at_exit() { EXIT_HOOKS+=("$1"); }

end_harness() {
    [ -z "$PROGRAM_PID" ] || kill "$PROGRAM_PID" 2>/dev/null || true
    local hook
    for hook in "${EXIT_HOOKS[@]}"; do
        "$hook" || true
    done
    stop_xvfb
    [ -n "${KEEP_WORK_DIR:-}" ] || rm -rf "$WORK_DIR" "$PROGRAM_LOG"
}
trap end_harness EXIT

# use_program BINARY: the program the helpers run, and the panel's positions the build wrote
# beside it (panel-layout.env).
use_program() {
    PROGRAM="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
    source "$(dirname "$PROGRAM")/panel-layout.env"
}

# work_folder DIR: makes DIR, which sees the repository's data/ unless it has a data/ of its own.
work_folder() {
    mkdir -p "$1"
    [ -e "$1/data" ] || ln -s "$REPO_ROOT/data" "$1/data"
}

# start_in DIR COMMAND...: starts COMMAND (the program, or the program under a wrapper) in the
# background in DIR; its output goes to PROGRAM_LOG.
start_in() {
    local dir="$1"
    shift
    (cd "$dir" && exec "$@") >"$PROGRAM_LOG" 2>&1 &
    PROGRAM_PID=$!
}

# start_program [ARGS...]: starts the program in the work folder.
start_program() {
    work_folder "$WORK_DIR"
    start_in "$WORK_DIR" "$PROGRAM" "$@"
}

program_alive() { [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; }
program_ended() { ! program_alive; }

# Prints how the ended program finished: its exit code, or 128 + the signal that stopped it.
program_status() {
    local code=0
    wait "$PROGRAM_PID" || code=$?
    echo "$code"
}

# wait_for_window [SECONDS]: waits (at most SECONDS, default 120) until the program shows its
# window with a frame drawn in it (any pixel not black): from then on it takes input. Prints the
# window's id.
wait_for_window() {
    local limit="${1:-120}" start=$SECONDS id
    while [ $((SECONDS - start)) -lt "$limit" ]; do
        for id in $(xdotool search --onlyvisible --name "Quillomer" 2>/dev/null); do
            if [ "$(import -window "$id" -depth 8 gray:- 2>/dev/null | tr -d '\000' \
                    | head -c 1 | wc -c)" -eq 1 ]; then
                echo "$id"
                return 0
            fi
        done
        program_alive || fail "program ended before its window appeared (exit status $(program_status))"
        sleep 0.1
    done
    fail "no window with a drawn frame after $limit s"
}

# expect_exit CODE [SECONDS]: waits (at most SECONDS, default 120) for the program to end and
# checks its exit code.
expect_exit() {
    local expected="$1" code=0
    wait_until "${2:-120}" program_ended || fail "program still running"
    wait "$PROGRAM_PID" || code=$?
    PROGRAM_PID=""
    [ "$code" -eq "$expected" ] || fail "exit code $code, expected $expected"
}

# run_to_end DIR [ARGS...]: runs the program to its own end (at most 300 s) in DIR (a work
# folder); its output goes to DIR/log; prints the exit code.
run_to_end() {
    local dir="$1" code=0
    shift
    work_folder "$dir"
    (cd "$dir" && timeout 300 "$PROGRAM" "$@") >"$dir/log" 2>&1 || code=$?
    echo "$code"
}

# run_expecting CODE DIR [ARGS...]: run_to_end, which must end with CODE.
run_expecting() {
    local expected="$1" code
    shift
    code=$(run_to_end "$@")
    [ "$code" -eq "$expected" ] || FAIL_LOG="$1/log" fail "$*: exit code $code, expected $expected"
}

# count_frames DIR [ARGS...]: how many frames a replay (ARGS name it) draws: asked for more than
# any run draws, it says how many it got. Prints the number.
count_frames() {
    local dir="$1" frames
    shift
    run_expecting 1 "$dir" "$@" --screenshot none.png --frames 1000000
    frames=$(grep -oE 'after [0-9]+ of 1000000 frames' "$dir/log" | awk '{ print $2 }')
    [ "${frames:-0}" -gt 0 ] || FAIL_LOG="$dir/log" fail "counting frames: no count"
    echo "$frames"
}

# A sanitizer pass looks for bad accesses, which a second identical run cannot add: with
# E2E_SINGLE_RUNS set, a check that compares two identical runs makes only the first.
runs() { # runs A B: the runs to make, A and B or A alone
    if [ -n "${E2E_SINGLE_RUNS:-}" ]; then echo "$1"; else echo "$@"; fi
}
alike() { # alike A B: the files hold the same bytes, or B was left unmade by runs
    [ ! -e "$2" ] && [ -n "${E2E_SINGLE_RUNS:-}" ] || cmp -s "$1" "$2"
}

# Real X input. With no window manager the keyboard goes to the window under the pointer, so
# keys are sent with the pointer in the window's middle. Runs under Valgrind, whose frames take
# long, pace their input: INPUT_PAUSE seconds after each click and key, KEY_DELAY milliseconds
# between keys.
INPUT_PAUSE=0
KEY_DELAY=12

# x_input XDOTOOL_ARGS...: one xdotool command line; a failure is the program's if it has died.
x_input() {
    xdotool "$@" >/dev/null 2>&1 && return 0
    program_alive || fail "the program died (exit status $(program_status))"
    fail "xdotool $*"
}

input_pause() { [ "$INPUT_PAUSE" = 0 ] || sleep "$INPUT_PAUSE"; }

press_key() { # press_key KEY...
    x_input mousemove 512 384 key --delay "$KEY_DELAY" "$@"
    input_pause
}

click() { # click X Y [BUTTON]: the left button unless another is named
    x_input mousemove "$1" "$2" click "${3:-1}"
    input_pause
}

# glide PAUSE X Y [X Y...]: moves the pointer through the points, PAUSE seconds at each.
glide() {
    local pause="$1" steps=()
    shift
    while [ $# -ge 2 ]; do
        steps+=(mousemove "$1" "$2" sleep "$pause")
        shift 2
    done
    x_input "${steps[@]}"
}

# sweep Y FROM TO STEP: motion along the row Y, FROM to TO in STEP pixels.
sweep() {
    local points=() x
    for x in $(seq "$2" "$4" "$3"); do
        points+=("$x" "$1")
    done
    glide 0.01 "${points[@]}"
}

clamp() { # clamp VALUE LIMIT: VALUE within 0..LIMIT-1
    local value=$(($1 < 0 ? 0 : $1))
    echo $((value >= $2 ? $2 - 1 : value))
}

# drag BUTTON X Y DX DY: presses BUTTON at (X, Y) and drags it by (DX, DY), kept in the window.
drag() {
    x_input mousemove "$2" "$3" mousedown "$1" sleep 0.02 \
        mousemove "$(clamp $(($2 + $4 / 2)) 1024)" "$(clamp $(($3 + $5 / 2)) 768)" sleep 0.02 \
        mousemove "$(clamp $(($2 + $4)) 1024)" "$(clamp $(($3 + $5)) 768)" sleep 0.02 \
        mouseup "$1"
    input_pause
}
