#!/usr/bin/env bash
# The Debian package holds the program, all of data/, the menu entry, the icons, the manual
# page, the copyright file and the screensaver mode with its settings; its dependencies were computed; the menu entry is valid; and
# the program unpacked under another prefix finds its data from a working directory without
# one. Usage: deb_contents.sh DEB, under a display, from the repository's root.
set -euo pipefail
deb="$1"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

listing=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
expected=(./usr/games/quillomer ./usr/share/applications/quillomer.desktop
          ./usr/share/man/man6/quillomer.6.gz ./usr/share/doc/quillomer/copyright
          ./usr/libexec/xscreensaver/quillomer ./usr/share/xscreensaver/config/quillomer.xml)
for file in data/*; do
    expected+=("./usr/share/games/quillomer/$(basename "$file")")
done
for size in 16 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/quillomer.png")
done
for file in "${expected[@]}"; do
    grep -qxF "$file" <<<"$listing" || fail "$file is not in the package"
done
dpkg-deb -f "$deb" Depends | grep -q "libsdl" || fail "no computed dependencies"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root/prefix"
desktop-file-validate "$root/prefix/usr/share/applications/quillomer.desktop"
program="$root/prefix/usr/games/quillomer"
[ "$("$program" --version)" = "quillomer $(dpkg-deb -f "$deb" Version)" ] || fail "--version"
(cd "$root" && SDL_AUDIODRIVER=dummy timeout 60 "$program" w --frames 5 --screenshot shot.png) \
    || fail "the unpacked program did not run from $root"
[ -s "$root/shot.png" ] || fail "no screenshot"
echo "package: ${#expected[@]} expected files present, menu entry valid, runs from any folder"
