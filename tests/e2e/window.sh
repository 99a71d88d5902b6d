#!/usr/bin/env bash
# The real program opens its titled 1024 x 768 window; a real Escape key press ends it with 0.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
use_program "$1"
start_program w
window=$(wait_for_window)
title=$(xdotool getwindowname "$window")
geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
[ "$title" = "Vireholm - Quillomer - 1.1" ] || fail "window title is '$title'"
[ "$geometry" = "1024x768" ] || fail "window size is $geometry"
press_key Escape
expect_exit 0
echo "window: title and size right, Escape exits with 0"
