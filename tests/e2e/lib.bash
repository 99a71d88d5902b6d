# Helpers for the end-to-end scripts: start the real program under the test display, drive it
# with real X input, and check how it ends. Sourced, not run.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

PROGRAM_PID=""
PROGRAM_LOG=$(mktemp)
WORK_DIR=$(mktemp -d)
trap 'kill "$PROGRAM_PID" 2>/dev/null || true; [ -n "${KEEP_WORK_DIR:-}" ] || rm -rf "$WORK_DIR" "$PROGRAM_LOG"' EXIT

FAIL_LOG="$PROGRAM_LOG"

# The panel's positions, written by the build beside the program (the scripts' first argument).
source "$(dirname "$1")/panel-layout.env"

# start_program BINARY [ARGS...]: runs the program in a fresh working directory that sees the
# repository's data/ folder.
start_program() {
    local binary="$1"
    shift
    ln -s "$PWD/data" "$WORK_DIR/data"
    (cd "$WORK_DIR" && exec "$binary" "$@") >"$PROGRAM_LOG" 2>&1 &
    PROGRAM_PID=$!
}

# Prints how the ended program finished: its exit code, or 128 + the signal that stopped it.
program_status() {
    local code=0
    wait "$PROGRAM_PID" || code=$?
    echo "$code"
}

# Prints the program window's id once it shows a drawn frame.
wait_for_window() {
    local id
    id=$(wait_for_drawn_window "$PROGRAM_PID" 2>/dev/null) && echo "$id" && return 0
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "program ended before its window appeared" \
        "(exit status $(program_status))"
    fail "no window with a drawn frame appeared"
}

# Keys go to the window under the pointer when no window manager runs.
press_key() {
    xdotool mousemove 512 384 key "$@"
}

program_ended() { ! kill -0 "$PROGRAM_PID" 2>/dev/null; }

# expect_exit CODE: waits (at most 120 s) for the program and checks its exit code.
expect_exit() {
    local expected="$1" code=0
    wait_until 120 program_ended || fail "program still running"
    wait "$PROGRAM_PID" || code=$?
    [ "$code" -eq "$expected" ] || fail "exit code $code, expected $expected"
}

# run_to_end DIR BINARY [ARGS...]: runs the program to its own end (at most 300 s) in DIR,
# which sees the repository's data/ folder; output goes to DIR/log; prints the exit code.
run_to_end() {
    local dir="$1" binary="$2" code=0
    shift 2
    mkdir -p "$dir"
    [ -e "$dir/data" ] || ln -s "$PWD/data" "$dir/data"
    (cd "$dir" && timeout 300 "$binary" "$@") >"$dir/log" 2>&1 || code=$?
    echo "$code"
}

# sweep Y FROM TO STEP: real mouse motion along the row Y, FROM to TO in STEP pixels.
sweep() {
    local x
    for x in $(seq "$2" "$4" "$3"); do
        xdotool mousemove "$x" "$1"
        sleep 0.01
    done
}
