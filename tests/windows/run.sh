#!/usr/bin/env bash
# tests/windows/run.sh WINDOWS_BUILD LINUX_BUILD: checks the Windows build under Wine, in a
# Wine prefix of its own, on a virtual display. The program lies, and is started, in folders
# named in accented Latin, Cyrillic and CJK letters, as are the files it reads and writes.
# - the unit tests that run on Windows (two programs: every Wine start is slow);
# - the golden recording replays to the Linux build's state.dat bytes and pictures (within the
#   browser build's tolerance: at most 0.5 % of the pixels off by more than a tenth);
# - a second Save replaces the first state.dat; no data folder: exit 1 and the error text; a
#   sound device that cannot be opened: "Couldn't open audio" and the run goes on; --video
#   says it is not there;
# - the offline WAV of the golden replay against the Linux build's (largest sample difference);
#   a recording made on Windows replays on Linux;
# - the installer installs silently, its Start menu entry and uninstaller exist, the installed
#   program replays the demo to a screenshot, and the silent uninstall leaves no file behind;
#   installed into another such folder (/D=), the program replays to the Linux state.dat.
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

start_xvfb
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

echo "-- installer"
setup="$windows_build/quillomer-$version-setup.exe"
find "$WINEPREFIX/drive_c" -type f | sort >"$WORK/files-before"
in_wine "$WORK" "$setup" /S || fail "the silent install failed"
user_dir="$WINEPREFIX/drive_c/users/$(id -un)"
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

echo "-- the installer into such a folder"
# NSIS takes /D= only unquoted, so the folder's name has no space (Wine quotes such a word).
target="$WORK/$CJK/$CYRILLIC"
in_wine "$WORK" "$setup" /S "/D=Z:${target//\//\\}" >"$WORK/setup.log" 2>&1 \
    || fail "the silent install into $target failed: $(cat "$WORK/setup.log")"
dir="$WORK/$LATIN"
in_wine "$dir" "$target/quillomer.exe" w --replay "$recording" >"$dir/log" 2>&1 \
    || fail "the program installed in $target: $(cat "$dir/log")"
cmp -s "$golden/state.dat" "$dir/state.dat" \
    || fail "the program installed in $target saved a state.dat that differs from the Linux one"
echo "installed in .../$CJK/$CYRILLIC, started in .../$LATIN: the golden replay saved Linux's state.dat"
echo "Windows checks: $((SECONDS - started)) s"
