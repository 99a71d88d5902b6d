#!/usr/bin/env bash
# export_speed.sh PROGRAM [ROUNDS]: times PROGRAM's offline export of the demo recording
# (data/demo.rec, with --wav) to .mp4 and to .webm, ROUNDS times each (3 unless given), and
# prints per format the wall-clock seconds (median, fastest, slowest), the real-time factor
# (the clip's length over the median; 1 or more keeps up with play) and the first 16 digits
# of the sha256 of the clip and of the WAV, which every round must repeat. Needs a display
# (DISPLAY). The drawing and the encoders share the machine's cores: run it on an otherwise
# quiet machine (the load average at the start is printed).
set -euo pipefail
program="$(realpath "$1")"
rounds="${2:-3}"
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$repo/data" "$work/data"
cd "$work"

# The digests of one export, which every round must repeat.
digests() { sha256sum "clip.$1" sound.wav | awk '{ printf "%s ", substr($1, 1, 16) }'; }

echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-5s %8s %8s %8s %6s %9s  %s\n' format median fastest slowest clip realtime \
    "sha256 of the clip, of the WAV"
for ext in mp4 webm; do
    seconds=() expected=""
    for _ in $(seq "$rounds"); do
        start=$(date +%s%N)
        "$program" w --replay data/demo.rec --video "clip.$ext" --wav sound.wav 2>/dev/null
        seconds+=("$(awk -v ns=$(($(date +%s%N) - start)) 'BEGIN { printf "%.2f", ns / 1e9 }')")
        [ -n "$expected" ] || expected=$(digests "$ext")
        [ "$(digests "$ext")" = "$expected" ] || { echo "$ext: a round wrote other bytes" >&2; exit 1; }
    done
    read -r -a sorted <<<"$(printf '%s\n' "${seconds[@]}" | sort -n | tr '\n' ' ')"
    median=${sorted[$((rounds / 2))]}
    clip=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "clip.$ext")
    printf '%-5s %8s %8s %8s %6.2f %9.2f  %s\n' "$ext" "$median" "${sorted[0]}" \
        "${sorted[rounds - 1]}" "$clip" "$(awk -v c="$clip" -v s="$median" 'BEGIN { print c / s }')" \
        "$expected"
done
