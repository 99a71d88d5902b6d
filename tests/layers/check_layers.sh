#!/usr/bin/env bash
# check_layers.sh FOLDER...: the code's folders from the bottom up. Fails, naming the file and
# line, where a folder's source includes a project folder that is not below it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

violations=$(awk -v order="$*" '
    BEGIN { count = split(order, layers, " "); for (i = 1; i <= count; i++) level[layers[i]] = i }
    FNR == 1 { split(FILENAME, parts, "/"); own = parts[1] }
    /^[ \t]*#[ \t]*include[ \t]*"/ {
        split($0, quoted, "\""); split(quoted[2], path, "/")
        if (path[2] != "" && (!(path[1] in level) || level[path[1]] > level[own]))
            printf "%s:%d: %s/ includes %s, which is not below it\n", FILENAME, FNR, own, quoted[2]
    }' $(for folder in "$@"; do ls "$folder"/*.h "$folder"/*.cpp 2>/dev/null; done))

if [ -n "$violations" ]; then
    echo "$violations" >&2
    exit 1
fi
echo "layers: every include of $* points down the order"
