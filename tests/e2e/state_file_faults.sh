#!/usr/bin/env bash
# "state.dat" that cannot be used: a directory, a file that cannot be read, a read-only file,
# a whole file in a read-only folder. Each run starts, is stirred, clicks Save and ends with
# 0 on Escape; every failed load or save puts a line on stderr and shows it in the picture, and
# nothing is lost: the old file (or directory) is as it was and no temporary file is left behind. Root reads and
# writes whatever the permission bits say, so as root the program runs without the
# capabilities that let it (CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH).
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
use_program "$1"
saved="$PWD/tests/fuzz/corpus/state_file/saved_80x60.dat"

as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --bounding-set=-dac_override,-dac_read_search --)
    touch "$WORK_DIR/probe" && chmod 000 "$WORK_DIR/probe"
    if "${as_user[@]}" cat "$WORK_DIR/probe" 2>/dev/null; then
        fail "cannot drop root's file capabilities here"
    fi
    rm -f "$WORK_DIR/probe"
fi

# run_and_save CASE: runs the program in $WORK_DIR/CASE, stirs, clicks Save, ends it.
run_and_save() {
    local dir="$WORK_DIR/$1"
    start_in "$dir" "${as_user[@]}" "$PROGRAM" w
    wait_for_window >/dev/null
    sweep 300 200 600 20
    press_key u
    click "$SAVE_X" "$SAVE_Y" # Save state.dat
    wait_until 120 grep -q "state.dat not saved" "$PROGRAM_LOG" || fail "$1: no word on the save"
    wait_until 120 notice_shown "$dir" || fail "$1: no notice in the picture"
    press_key Escape
    expect_exit 0
    [ ! -e "$dir/state.dat.tmp" ] || fail "$1: state.dat.tmp left behind"
}

# notice_shown DIR: the notice's colour fills glyphs on its line of a screenshot.
notice_shown() {
    import -window root "$1/shot.png"
    [ "$(notice_pixels "$1/shot.png" "$NOTICE_Y")" -gt 100 ]
}

expect_line() { # expect_line CASE TEXT
    grep -qF "$2" "$PROGRAM_LOG" || fail "$1: no line '$2' on stderr"
}

new_case() { # new_case CASE: a work folder that holds the saved file
    work_folder "$WORK_DIR/$1"
    cp "$saved" "$WORK_DIR/$1/state.dat"
}

work_folder "$WORK_DIR/directory"
mkdir "$WORK_DIR/directory/state.dat"
echo kept >"$WORK_DIR/directory/state.dat/inside"
run_and_save directory
expect_line directory "state.dat not loaded: cannot read it"
expect_line directory "state.dat not saved"
[ "$(cat "$WORK_DIR/directory/state.dat/inside")" = kept ] || fail "directory: contents changed"

new_case unreadable
chmod 000 "$WORK_DIR/unreadable/state.dat"
run_and_save unreadable
expect_line unreadable "state.dat not loaded: cannot open it: Permission denied"
expect_line unreadable "state.dat not saved"
cmp -s "$saved" "$WORK_DIR/unreadable/state.dat" || fail "unreadable: the file changed"

new_case read-only
chmod 444 "$WORK_DIR/read-only/state.dat"
run_and_save read-only
grep -q "not loaded" "$PROGRAM_LOG" && fail "read-only: the file was not loaded"
expect_line read-only "state.dat not saved: cannot write state.dat: Permission denied; the previous file is kept"
cmp -s "$saved" "$WORK_DIR/read-only/state.dat" || fail "read-only: the file changed"

new_case read-only-folder
chmod 555 "$WORK_DIR/read-only-folder"
run_and_save read-only-folder
expect_line read-only-folder "state.dat not saved: cannot create state.dat.tmp"
chmod 755 "$WORK_DIR/read-only-folder"
cmp -s "$saved" "$WORK_DIR/read-only-folder/state.dat" || fail "read-only folder: the file changed"
echo "state_file_faults: directory, unreadable, read-only file and folder: reported, nothing lost"
