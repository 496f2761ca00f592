#!/usr/bin/env bash
# Removes what the last `cmake --install` from a build folder put in place, as
# its install_manifest.txt lists it (the command link included), and then the
# program's own folder, which the installation made.
# Usage: scripts/uninstall.sh [build folder, by default build/release]
set -euo pipefail
manifest="${1:-build/release}/install_manifest.txt"
if [ ! -f "$manifest" ]; then
    echo "There is no $manifest: nothing was installed from that build folder." >&2
    exit 1
fi
while IFS= read -r file || [ -n "$file" ]; do # the last line has no line end
    rm -f -- "$file"
    folder=$(dirname -- "$file")
    if [ "$(basename -- "$folder")" = tintwright ] && [ -d "$folder" ]; then
        rmdir --ignore-fail-on-non-empty -- "$folder"
    fi
done <"$manifest"
