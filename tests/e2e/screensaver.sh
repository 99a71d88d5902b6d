#!/usr/bin/env bash
# Debian's xscreensaver on a 1920 x 1080 screen runs the program as a display mode (--root):
# activated, the screen shows the 1024 x 768 picture scaled into the middle 1440 x 1080, with
# moving particles, and black beside it; deactivated, the program ends.
set -euo pipefail
source "$(dirname "$0")/../harness.bash"
command -v xscreensaver >/dev/null || fail "xscreensaver is not installed"
start_xvfb 1920x1080 || fail "no 1920 x 1080 display"
SAVER_PID=""
stop_saver() { [ -z "$SAVER_PID" ] || kill "$SAVER_PID" 2>/dev/null; }
at_exit stop_saver

# xscreensaver starts no display mode for root: then it runs as nobody, from a copy of the
# program and its data that nobody can read wherever the repository lies.
saver=()
if [ "$(id -u)" -eq 0 ]; then
    saver=(runuser -u nobody -- env HOME="$WORK_DIR")
    chmod 755 "$WORK_DIR"
fi
cp "$1" "$WORK_DIR/quillomer"
cp -r data "$WORK_DIR/data"
binary="$WORK_DIR/quillomer"

# A home of its own: the settings name the program as the one display mode.
export HOME="$WORK_DIR"
cat >"$HOME/.xscreensaver" <<SETTINGS
mode: one
selected: 0
timeout: 0:30:00
lock: False
fade: False
unfade: False
splash: False
programs: $binary --root \\n
SETTINGS
chmod 644 "$HOME/.xscreensaver"
(cd "$WORK_DIR" && exec "${saver[@]}" xscreensaver -no-splash) >"$PROGRAM_LOG" 2>&1 &
SAVER_PID=$!
command_saver() { "${saver[@]}" xscreensaver-command "$@" >/dev/null 2>&1; }
wait_until 60 command_saver -time || fail "xscreensaver did not start"
command_saver -activate
mode_pid() { pgrep -f -x -- "$binary --root"; }
wait_until 60 mode_pid >/dev/null || fail "xscreensaver did not start the display mode"
pid=$(mode_pid)

shot() { import -window root "$WORK_DIR/$1.png"; }
mean() { convert "$WORK_DIR/$1.png" -crop "$2" -colorspace Gray -format "%[fx:mean]" info:; }
lit() { shot "$1" && awk -v m="$(mean "$1" 1440x1080+240+0)" 'BEGIN { exit !(m > 0.02) }'; }
wait_until 120 lit first || fail "the picture never lit up (mean $(mean first 1440x1080+240+0))"
differs() { lit second && ! cmp -s "$WORK_DIR/first.png" "$WORK_DIR/second.png"; }
wait_until 120 differs || fail "the picture does not move"
for picture in first second; do
    for side in 240x1080+0+0 240x1080+1680+0; do
        [ "$(convert "$WORK_DIR/$picture.png" -crop "$side" -format "%[fx:maxima]" info:)" = 0 ] \
            || fail "$picture screenshot is not black beside the picture ($side)"
    done
done

command_saver -deactivate
gone() { ! kill -0 "$pid" 2>/dev/null; }
wait_until 60 gone || fail "the display mode still runs after the screensaver stopped"
! mode_pid >/dev/null || fail "a display mode process remains"
echo "screensaver: lit $(mean first 1440x1080+240+0) and $(mean second 1440x1080+240+0) inside, black beside, ended on deactivation"
