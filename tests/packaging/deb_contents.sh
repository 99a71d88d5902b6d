#!/usr/bin/env bash
# The program's Debian package holds the program, all of data/, the menu entry, the icons, the
# software centres' metadata, the manual page, the copyright file and the screensaver mode with
# its settings, but not the video module;
# the video package holds the module and its own copyright file. Each has its dependencies
# computed from what its files link: FFmpeg for the module alone, which the program only
# recommends. The menu entry is valid; the program unpacked under another prefix finds its data
# from a working directory without one, names the video package for --video while the module
# is missing, and loads the module once that package is unpacked too.
# Usage: deb_contents.sh PROGRAM_DEB VIDEO_DEB, under a display, from the repository's root.
set -euo pipefail
program_deb="$1"
video_deb="$2"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

# holds DEB FILE...: every FILE is in the package DEB.
holds() {
    local listing file
    listing=$(dpkg-deb -c "$1" | awk '{ print $6 }')
    shift
    for file in "$@"; do
        grep -qxF "$file" <<<"$listing" || fail "$file is not in the package"
    done
}

module=./usr/lib/games/quillomer/libquillomer_video.so
expected=(./usr/games/quillomer ./usr/share/applications/quillomer.desktop
          ./usr/share/metainfo/org.example.quillomer.metainfo.xml
          ./usr/share/man/man6/quillomer.6.gz ./usr/share/doc/quillomer/copyright
          ./usr/libexec/xscreensaver/quillomer ./usr/share/xscreensaver/config/quillomer.xml)
for file in data/*; do
    expected+=("./usr/share/games/quillomer/$(basename "$file")")
done
for size in 16 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/quillomer.png")
done
holds "$program_deb" "${expected[@]}"
holds "$video_deb" "$module" ./usr/share/doc/quillomer-video/copyright
! dpkg-deb -c "$program_deb" | grep -q "libquillomer_video" || fail "the program's package holds the module"
program_depends=$(dpkg-deb -f "$program_deb" Depends)
video_depends=$(dpkg-deb -f "$video_deb" Depends)
grep -q "libsdl" <<<"$program_depends" || fail "no computed dependencies: $program_depends"
! grep -q "libav" <<<"$program_depends" || fail "the program depends on FFmpeg: $program_depends"
[ "$(dpkg-deb -f "$program_deb" Recommends)" = "quillomer-video" ] || fail "no Recommends"
grep -q "libavcodec" <<<"$video_depends" || fail "the module's FFmpeg dependencies: $video_depends"
grep -qF "quillomer (= $(dpkg-deb -f "$program_deb" Version))" <<<"$video_depends" \
    || fail "the module does not depend on its program: $video_depends"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$program_deb" "$root/prefix"
desktop-file-validate "$root/prefix/usr/share/applications/quillomer.desktop"
program="$root/prefix/usr/games/quillomer"
[ "$("$program" --version)" = "quillomer $(dpkg-deb -f "$program_deb" Version)" ] || fail "--version"
(cd "$root" && SDL_AUDIODRIVER=dummy timeout 60 "$program" w --frames 5 --screenshot shot.png) \
    || fail "the unpacked program did not run from $root"
[ -s "$root/shot.png" ] || fail "no screenshot"

# --video: a file name the module refuses proves it loaded (the export itself is the package
# check's and the end-to-end test's). export_to CLIP prints what the refused export said.
demo="$PWD/data/demo.rec"
export_to() {
    ! (cd "$root" && "$program" w --replay "$demo" --video "$1" 2>&1) || fail "--video $1 did not fail"
}
said=$(export_to clip.mp4)
grep -q "apt install quillomer-video" <<<"$said" || fail "--video without the module: $said"
dpkg-deb -x "$video_deb" "$root/prefix"
said=$(export_to clip.avi)
grep -q "^quillomer: clip.avi: " <<<"$said" || fail "the unpacked module did not load: $said"
echo "packages: ${#expected[@]} + 2 expected files present, dependencies split, menu entry" \
    "valid, runs from any folder, --video names the missing package and loads the module"
