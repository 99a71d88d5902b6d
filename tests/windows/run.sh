#!/usr/bin/env bash
# tests/windows/run.sh WINDOWS_BUILD LINUX_BUILD: checks the Windows build under Wine, in a
# Wine prefix of its own, on a virtual display. The program lies, and is started, in folders
# named in accented Latin, Cyrillic and CJK letters, as are the files it reads and writes.
# - the unit tests that run on Windows (two programs: every Wine start is slow);
# - the golden recording replays to the Linux build's state.dat bytes and pictures (within the
#   browser build's tolerance: at most 0.5 % of the pixels off by more than a tenth);
# - a second Save replaces the first state.dat; a Save into a read-only one keeps its bytes and
#   shows the notice in the picture; no data folder: exit 1 and the error text; a
#   sound device that cannot be opened: "Couldn't open audio" and the run goes on; --video
#   says it is not there;
# - the offline WAV of the golden replay against the Linux build's (largest sample difference);
#   a recording made on Windows replays on Linux; a jam recorded on Linux (with --seed, from a
#   stirred state.dat, ended with Save) replays without the seed to Linux's state.dat;
# - the screensaver (Quillomer.scr) on a screen wider than the picture: /s letterboxed and
#   black beside, ended by a key and by a 50-pixel move but not by a 2-pixel one, its log
#   without and with sound chosen (no sound device: no box); /c's dialog keeps a choice that
#   /s then uses; /p draws in another program's window and ends with it; state.dat untouched;
# - the installer installs silently, its Start menu entry and uninstaller exist, the installed
#   program replays the demo to a screenshot, and the silent uninstall leaves no file behind;
#   installed into another such folder (/D=) holding the player's own files with
#   /SCREENSAVER=1, it goes into a Quillomer folder of its own, it is the screensaver, the
#   program replays to the Linux state.dat, and the uninstall gives back the previous one and
#   leaves every file of the player's with its bytes.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
windows_build=$(realpath "$1")
linux_build=$(realpath "$2")
cd "$REPO_ROOT"
golden="$REPO_ROOT/tests/e2e/golden"
version=$(sed -n 's/^project(Quillomer VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

WORK=$(mktemp -d)
# The program lies, and is started, in folders whose names no Windows code page holds at once
# (accented Latin, Cyrillic, CJK): the zip's files unpacked under such a name.
LATIN="José Müller" CYRILLIC="Иван" CJK="山田"
program_folder="$WORK/$LATIN/$CYRILLIC"
mkdir -p "$program_folder"
cp -r "$windows_build/stage/quillomer-$version/." "$program_folder/"
runs="$WORK/$CJK"
recording="$WORK/$LATIN/$CJK $CYRILLIC.rec"
cp "$golden/golden.rec" "$recording"
export WINEPREFIX="$WORK/prefix"
export WINEDEBUG=-all
# Wine reads the host's file names in the locale's character set: UTF-8.
export LC_ALL=C.UTF-8
# No menu files for the host's desktop, no offers to install Mono or Gecko, no crash dialog
# waiting for a click, and no sound drivers: a machine without sound, as many test machines are.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d;winedbg.exe=d;winealsa.drv=d;winepulse.drv=d;wineoss.drv=d"
export SDL_STDIO_REDIRECT=0 SDL_AUDIODRIVER=dummy QUILLOMER_ERRORS_TO_STDERR=1
cleanup() {
    wineserver -k 2>/dev/null || true
    stop_xvfb
    [ -n "${KEEP_WORK_DIR:-}" ] || rm -rf "$WORK"
}
trap cleanup EXIT

# in_wine DIR PROGRAM [ARGS...]: runs a Windows program in DIR (at most 300 s) and waits until
# every process of the prefix has ended; prints nothing, returns the program's exit code.
in_wine() {
    local dir="$1" code=0
    shift
    (cd "$dir" && timeout 300 wine "$@") || code=$?
    wineserver -w
    return "$code"
}

# replay_in DIR [ARGS...]: the golden recording replayed by the Windows program started in DIR
# (its data folder lies beside the program); the output goes to DIR/log.
replay_in() {
    local dir="$1"
    shift
    mkdir -p "$dir"
    in_wine "$dir" "$program_folder/quillomer.exe" w --replay "$recording" "$@" \
        >"$dir/log" 2>&1
}

# Pixels of two pictures that differ by more than a tenth, and the mean difference.
far_off() { compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1 || true; }
mean_difference() { compare -metric MAE "$1" "$2" null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true; }

# Wider than the picture, so that the screensaver letterboxes it.
start_xvfb 1280x768
started=$SECONDS
wine wineboot -i >/dev/null 2>&1
wineserver -w
echo "Wine prefix made in $((SECONDS - started)) s"

echo "-- unit tests under Wine"
cp "$program_folder/SDL.dll" "$windows_build/tests/windows/"
for tests in test_windows_units test_windows_render; do
    in_wine "$REPO_ROOT" "$windows_build/tests/windows/$tests.exe" --gtest_brief=1 \
        >"$WORK/$tests.log" 2>&1 || { cat "$WORK/$tests.log"; fail "$tests"; }
    grep -E "^\[  PASSED  \]" "$WORK/$tests.log" | sed "s/^/$tests: /"
done

echo "-- golden replay"
allowed=$((1024 * 768 / 200))
for frames in 150 463; do
    dir="$runs/golden-$frames"
    replay_in "$dir" --frames "$frames" --screenshot "$dir/$CYRILLIC.png" \
        || fail "replay to frame $frames: $(cat "$dir/log")"
    exact=$(compare -metric AE "$golden/frame-$frames.png" "$dir/$CYRILLIC.png" null: 2>&1 || true)
    far=$(far_off "$golden/frame-$frames.png" "$dir/$CYRILLIC.png")
    mean=$(mean_difference "$golden/frame-$frames.png" "$dir/$CYRILLIC.png")
    [ "$far" -le "$allowed" ] 2>/dev/null && awk -v m="$mean" 'BEGIN { exit !(m <= 0.01) }' \
        || fail "frame $frames: $far pixels off by more than a tenth (mean $mean)"
    echo "frame $frames: $exact pixels differ from the Linux golden picture," \
        "$far by more than a tenth (at most $allowed allowed), mean difference $mean"
done
cmp -s "$golden/state.dat" "$runs/golden-463/state.dat" \
    || fail "the replay saved a state.dat that differs from the Linux one"
echo "state.dat: the same $(stat -c %s "$golden/state.dat") bytes as on Linux"

echo "-- a second Save replaces state.dat"
dir="$runs/golden-463"
touch -d 2000-01-01 "$dir/state.dat"
replay_in "$dir" || fail "second replay: $(cat "$dir/log")"
[ "$(stat -c %s "$dir/state.dat")" -eq 38434 ] || fail "state.dat has $(stat -c %s "$dir/state.dat") bytes"
[ "$(stat -c %Y "$dir/state.dat")" -gt "$(date -d 2000-01-02 +%s)" ] \
    || fail "the second Save did not replace state.dat: $(cat "$dir/log")"
[ ! -e "$dir/state.dat.tmp" ] || fail "state.dat.tmp was left behind"
echo "the second Save replaced state.dat with a whole 38434-byte file"

echo "-- a Save into a read-only state.dat"
dir="$runs/read-only"
mkdir -p "$dir"
cp "$golden/state.dat" "$dir/state.dat"
chmod 444 "$dir/state.dat"
replay_in "$dir" --frames 463 --screenshot "$dir/shot.png" || fail "read-only: $(cat "$dir/log")"
cmp -s "$golden/state.dat" "$dir/state.dat" || fail "the read-only state.dat changed"
said=$(grep -o "state.dat not saved.*" "$dir/log" | tr -d '\r') || fail "no word on the save: $(cat "$dir/log")"
lit=$(notice_pixels "$dir/shot.png" "$(sed -n 's/^NOTICE_Y=//p' "$linux_build/panel-layout.env")")
[ "$lit" -gt 100 ] || fail "no notice in the picture ($lit pixels of its colour)"
echo "read-only state.dat kept its bytes; $lit pixels of the notice in the picture: $said"

echo "-- start-up failures"
alone="$WORK/$CJK alone" empty="$WORK/$CYRILLIC empty"
mkdir -p "$alone" "$empty"
cp "$program_folder/quillomer.exe" "$program_folder/SDL.dll" "$alone/"
code=0
in_wine "$empty" "$alone/quillomer.exe" w >"$empty/log" 2>&1 || code=$?
[ "$code" -eq 1 ] || fail "no data folder: exit code $code: $(cat "$empty/log")"
grep -q "^Start-up failed: .*looked in .*$CYRILLIC empty.data and .*$CJK alone.data" "$empty/log" \
    || fail "no data folder: $(cat "$empty/log")"
echo "no data folder: exit 1, $(grep -o "Start-up failed: .*" "$empty/log" | tr -d '\r')"
dir="$runs/no-sound"
SDL_AUDIODRIVER=waveout replay_in "$dir" --frames 150 --screenshot frame.png \
    || fail "a run without a sound device: $(cat "$dir/log")"
grep -q "Couldn't open audio" "$dir/log" || fail "no audio failure message: $(cat "$dir/log")"
[ -s "$dir/frame.png" ] || fail "a run without a sound device drew no picture"
echo "waveout without a device: $(grep -m 1 "Couldn't open audio" "$dir/log" | tr -d '\r'); the run went on"
dir="$runs/video"
code=0
replay_in "$dir" --video clip.mp4 || code=$?
[ "$code" -eq 1 ] && grep -q "cannot export videos" "$dir/log" || fail "--video: $(cat "$dir/log")"
echo "--video: exit 1, $(grep -o "this Windows build.*" "$dir/log" | tr -d '\r')"

echo "-- the screensaver"
scr="$program_folder/Quillomer.scr"
user_dir="$WINEPREFIX/drive_c/users/$(id -un)"
log="$user_dir/AppData/Roaming/Quillomer/screensaver.log"
# Started from another folder, one with a state.dat that a screensaver must not read.
saver_dir="$WORK/$CYRILLIC saver"
mkdir -p "$saver_dir"
echo "not a state file" >"$saver_dir/state.dat"
# start_saver WORDS...: starts Quillomer.scr with Windows' words, errors shown as Windows
# shows them (no test shortcut to stderr) and Wine's sound drivers off; sets SAVER.
start_saver() {
    (cd "$saver_dir" && env -u QUILLOMER_ERRORS_TO_STDERR SDL_AUDIODRIVER=waveout \
        timeout 300 wine "$scr" "$@" >>"$WORK/saver.out" 2>&1) &
    SAVER=$!
}
# finish_saver: waits until the screensaver has ended; fails unless its exit code is 0.
finish_saver() {
    wait_until 120 ended "$SAVER" || fail "the screensaver did not end: $(cat "$WORK/saver.out")"
    local code=0
    wait "$SAVER" || code=$?
    [ "$code" -eq 0 ] || fail "the screensaver ended with $code: $(cat "$WORK/saver.out")"
    wineserver -w
}
ended() { ! kill -0 "$1" 2>/dev/null; }
# The screen: the picture letterboxed in the middle 1024 x 768, black 128 pixels each side.
screen() { import -window root "$WORK/screen.png"; }
measure() { convert "$WORK/screen.png" -crop "$1" +repage -format "%[fx:$2]" info:; }
lit() { screen && awk -v m="$(measure 1024x768+128+0 mean)" 'BEGIN { exit !(m > 0.02) }'; }
changed() {
    cp "$WORK/screen.png" "$WORK/before.png"
    screen && [ "$(compare -metric AE "$WORK/before.png" "$WORK/screen.png" null: 2>&1)" != 0 ]
}

# With the settings as they come (silent), a key ends it, and the log says nothing but that.
start_saver /s
wait_until 120 lit || fail "/s drew nothing: $(cat "$WORK/saver.out")"
xdotool keydown x
finish_saver
xdotool keyup x
grep -q "Quillomer screensaver (/s): silent, at most 30 frames a second" "$log" \
    || fail "the log does not name the settings: $(cat "$log")"
[ "$(wc -l <"$log")" -eq 1 ] || fail "a silent screensaver logged more: $(cat "$log")"
echo "/s: drew; a key ended it with exit code 0; the log: $(tr -d '\r' <"$log")"

# /c: the dialog; keys tick Play sound, take the next frame rate (60) and press OK.
(cd "$saver_dir" && timeout 300 wine "$scr" /c >>"$WORK/saver.out" 2>&1) &
SAVER=$!
dialog() { xdotool search --name "Quillomer screensaver" 2>/dev/null | head -n 1; }
dialog_shown() { [ -n "$(dialog)" ]; }
wait_until 120 dialog_shown || fail "no settings dialog: $(cat "$WORK/saver.out")"
xdotool mousemove --window "$(dialog)" 5 5 key space Tab Down Return 2>/dev/null
finish_saver
grep -A 3 -F '[Software\\Quillomer\\Screensaver]' "$WINEPREFIX/user.reg" >"$WORK/settings"
grep -q '"Sound"=dword:00000001' "$WORK/settings" && grep -q '"FramesPerSecond"=dword:0000003c' \
    "$WORK/settings" || fail "the dialog kept no choice: $(cat "$WORK/settings")"
echo "/c: the dialog kept sound on and 60 frames a second"

# /s with sound chosen but no sound device: no box, the log says why it is silent; it covers
# the screen, outlives a 2-pixel jitter and ends on a 50-pixel move.
start_saver /S
wait_until 120 lit || fail "/s drew nothing: $(cat "$WORK/saver.out")"
[ "$(measure 128x768+0+0 maxima)" = 0 ] && [ "$(measure 128x768+1152+0 maxima)" = 0 ] \
    || fail "/s is not black beside the picture"
[ -z "$(xdotool search --name "Audio error" 2>/dev/null)" ] || fail "/s showed a message box"
xdotool mousemove_relative 2 0
for _ in 1 2 3; do
    wait_until 60 changed || fail "/s stopped drawing after a 2-pixel move"
done
ended "$SAVER" && fail "a 2-pixel move ended /s"
xdotool mousemove_relative 50 0
finish_saver
grep -q "Quillomer screensaver (/s): with sound, at most 60 frames a second" "$log" \
    && grep -q "Couldn't open audio" "$log" || fail "the log: $(cat "$log")"
! grep -q "state.dat" "$log" && [ "$(cat "$saver_dir/state.dat")" = "not a state file" ] \
    && [ ! -e "$saver_dir/state.dat.tmp" ] || fail "the screensaver touched state.dat: $(cat "$log")"
echo "/s: letterboxed on a 1280 x 768 screen, black beside; no box but the log:" \
    "$(grep -o "Couldn't open audio.*" "$log" | tr -d '\r'); a 2-pixel move went by," \
    "a 50-pixel move ended it with exit code 0; state.dat neither read nor written"

# /p HWND: draws in a window of another program and ends when that window goes away.
mkfifo "$WORK/host-in"
cp "$windows_build/tests/windows/preview_host.exe" "$WORK/"
(timeout 300 wine "$WORK/preview_host.exe" <"$WORK/host-in" >"$WORK/host.out" 2>&1) &
host=$!
exec 7>"$WORK/host-in"
wait_until 120 grep -q '^[0-9]' "$WORK/host.out" || fail "no preview window: $(cat "$WORK/host.out")"
start_saver /p "$(head -n 1 "$WORK/host.out" | tr -d '\r')"
# The picture's window inside the 321 x 241 host, drawn (Wine draws it apart, unnamed).
preview_drawn() {
    local id
    for id in $(xwininfo -root -tree | awk '/has no name.*321x241/ { print $1 }'); do
        import -window "$id" "$WORK/preview.png" 2>/dev/null &&
            awk -v m="$(convert "$WORK/preview.png" -format "%[fx:mean]" info:)" \
                'BEGIN { exit !(m > 0.02) }' && return 0
    done
    return 1
}
wait_until 120 preview_drawn || fail "/p drew nothing in the window: $(cat "$WORK/saver.out")"
echo >&7
exec 7>&-
finish_saver
wait "$host" || fail "the preview window's program failed: $(cat "$WORK/host.out")"
grep -q "preview (/p): silent, at most 60 frames a second" "$log" || fail "the log: $(cat "$log")"
echo "/p: drew in the given window, silent at 60 frames a second, and ended with it"

echo "-- offline WAV of the golden replay"
dir="$runs/wav"
wav="$dir/$LATIN.wav"
replay_in "$dir" --wav "$wav" || fail "WAV export: $(cat "$dir/log")"
mkdir -p "$WORK/wav-linux"
ln -s "$REPO_ROOT/data" "$WORK/wav-linux/data"
(cd "$WORK/wav-linux" && timeout 300 "$linux_build/quillomer" w --replay "$golden/golden.rec" \
    --wav sound.wav >log 2>&1) || fail "Linux WAV export: $(cat "$WORK/wav-linux/log")"
[ "$(stat -c %s "$wav")" -eq "$(stat -c %s "$WORK/wav-linux/sound.wav")" ] \
    || fail "WAV sizes differ: $(stat -c %s "$wav") and $(stat -c %s "$WORK/wav-linux/sound.wav")"
samples() { tail -c +45 "$1" | od -A n -t d2 -v | tr -s ' ' '\n' | grep -v '^$'; }
largest=$(paste <(samples "$wav") <(samples "$WORK/wav-linux/sound.wav") \
    | awk '{ d = $1 - $2; if (d < 0) d = -d; if (d > m) m = d; if (d) n++ }
           END { print m + 0, n + 0, NR }')
read -r biggest differing count <<<"$largest"
[ "$biggest" -le 2 ] || fail "WAV samples differ by up to $biggest"
echo "WAV: $count samples, $differing differ from Linux's, by at most $biggest"

echo "-- a recording made under such names"
dir="$runs/record"
mkdir -p "$dir"
in_wine "$dir" "$program_folder/quillomer.exe" w --record "$dir/$LATIN.rec" --frames 30 \
    --screenshot "$dir/$CJK.png" >"$dir/log" 2>&1 || fail "recording: $(cat "$dir/log")"
(cd "$WORK/wav-linux" && timeout 300 "$linux_build/quillomer" w --replay "$dir/$LATIN.rec" \
    >"$dir/linux.log" 2>&1) || fail "the recording does not replay on Linux: $(cat "$dir/linux.log")"
echo "recorded $(stat -c %s "$dir/$LATIN.rec") bytes, which replay on Linux"

echo "-- a jam recorded on Linux"
# Made with --seed 5 from a stirred state.dat and ended with Save: it replays without the seed
# in an empty folder to Linux's state.dat.
dir="$runs/jam"
mkdir -p "$dir"
cp "$REPO_ROOT/tests/e2e/jam/jam.rec" "$dir/$CJK.rec"
in_wine "$dir" "$program_folder/quillomer.exe" w --replay "$dir/$CJK.rec" >"$dir/log" 2>&1 \
    || fail "the jam does not replay: $(cat "$dir/log")"
cmp -s "$REPO_ROOT/tests/e2e/jam/state.dat" "$dir/state.dat" || fail "the jam saved another state.dat"
echo "the jam replayed without its seed to Linux's state.dat"

echo "-- installer"
setup="$windows_build/quillomer-$version-setup.exe"
find "$WINEPREFIX/drive_c" -type f | sort >"$WORK/files-before"
in_wine "$WORK" "$setup" /S || fail "the silent install failed"
installed="$user_dir/AppData/Local/Programs/Quillomer"
for file in quillomer.exe SDL.dll uninstall.exe data/demo.rec licences/SDL.txt; do
    [ -f "$installed/$file" ] || fail "not installed: $file"
done
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quillomer.lnk"
[ -f "$shortcut" ] || fail "no Start menu entry"
strings -e l "$shortcut" | grep -qF 'AppData\Roaming\Quillomer' \
    || fail "the Start menu entry does not start in %APPDATA%\Quillomer"
grep -qi 'Uninstall\\\\Quillomer\]' "$WINEPREFIX/user.reg" || fail "no entry in the installed programs"
start_folder="$user_dir/AppData/Roaming/Quillomer"
[ -d "$start_folder" ] || fail "no %APPDATA%\\Quillomer for the Start menu entry"
in_wine "$start_folder" "$installed/quillomer.exe" w --replay "$installed/data/demo.rec" \
    --frames 120 --screenshot "$WORK/installed.png" >"$WORK/installed.log" 2>&1 \
    || fail "the installed program's run: $(cat "$WORK/installed.log")"
[ "$(head -c 4 "$WORK/installed.png" | tail -c 3)" = "PNG" ] || fail "no screenshot"
in_wine "$WORK" "$installed/uninstall.exe" /S || fail "the silent uninstall failed"
# The uninstaller runs from a copy in %TEMP%, which Windows deletes at the next restart.
in_wine "$WORK" wineboot -r
find "$WINEPREFIX/drive_c" -type f | sort >"$WORK/files-after"
left=$(comm -13 "$WORK/files-before" "$WORK/files-after")
[ -z "$left" ] || fail "the uninstall left files behind: $left"
[ ! -e "$installed" ] && [ ! -e "$start_folder" ] || fail "the uninstall left folders behind"
! grep -qi 'Uninstall\\\\Quillomer\]' "$WINEPREFIX/user.reg" || fail "the uninstall left its registry entry"
echo "installer: installed silently, Start menu entry and uninstaller there, demo replayed" \
    "to a $(stat -c %s "$WORK/installed.png")-byte screenshot, uninstalled leaving no file"

echo "-- the installer into such a folder, making Quillomer the screensaver"
# A screensaver chosen before, which the uninstall must give back.
in_wine "$WORK" reg add 'HKCU\Control Panel\Desktop' /v SCRNSAVE.EXE /d 'C:\old.scr' /f \
    >/dev/null 2>&1 || fail "reg add"
# The desktop's settings as user.reg holds them.
desktop_value() {
    sed -n '/^\[Control Panel\\\\Desktop\]/,/^\[/p' "$WINEPREFIX/user.reg" | grep -i "^\"$1\"=" || true
}
active_before=$(desktop_value ScreenSaveActive)
# NSIS takes /D= only unquoted, so the folder's name has no space (Wine quotes such a word).
target="$WORK/$CJK/$CYRILLIC"
# The player's own folder, holding files named as the program's are.
mkdir -p "$target/data"
echo "my own notes" >"$target/README.txt"
echo "chapter one" >"$target/data/thesis.txt"
players_files_kept() {
    [ "$(cat "$target/README.txt")" = "my own notes" ] &&
        [ "$(cat "$target/data/thesis.txt")" = "chapter one" ]
}
in_wine "$WORK" "$setup" /S /SCREENSAVER=1 "/D=Z:${target//\//\\}" >"$WORK/setup.log" 2>&1 \
    || fail "the silent install into $target failed: $(cat "$WORK/setup.log")"
players_files_kept || fail "the install changed the player's files in $target"
target="$target/Quillomer"
[ -f "$target/Quillomer.scr" ] || fail "Quillomer.scr was not installed in a folder of its own"
desktop_value SCRNSAVE.EXE | grep -qi 'quil[^\\]*\.scr"$' \
    && desktop_value ScreenSaveActive | grep -q '"1"' \
    || fail "not the screensaver: $(desktop_value SCRNSAVE.EXE) $(desktop_value ScreenSaveActive)"
chosen=$(desktop_value SCRNSAVE.EXE)
dir="$WORK/$LATIN"
in_wine "$dir" "$target/quillomer.exe" w --replay "$recording" >"$dir/log" 2>&1 \
    || fail "the program installed in $target: $(cat "$dir/log")"
cmp -s "$golden/state.dat" "$dir/state.dat" \
    || fail "the program installed in $target saved a state.dat that differs from the Linux one"
in_wine "$WORK" "$target/uninstall.exe" /S || fail "the silent uninstall from $target failed"
[ ! -e "$target" ] || fail "the uninstall left $target: $(find "$target")"
target="${target%/Quillomer}"
players_files_kept || fail "the uninstall changed or removed the player's files in $target"
desktop_value SCRNSAVE.EXE | grep -qF '"C:\\old.scr"' && [ "$(desktop_value ScreenSaveActive)" = "$active_before" ] \
    || fail "the uninstall did not give back the screensaver: $(desktop_value SCRNSAVE.EXE) $(desktop_value ScreenSaveActive)"
echo "installed in .../$CJK/$CYRILLIC/Quillomer with /SCREENSAVER=1: $chosen; started in" \
    ".../$LATIN the golden replay saved Linux's state.dat; the uninstall gave back" \
    "$(desktop_value SCRNSAVE.EXE) and kept the player's files"
echo "Windows checks: $((SECONDS - started)) s"
