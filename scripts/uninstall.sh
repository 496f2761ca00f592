#!/usr/bin/env bash
# Removes what `cmake --install` put under PREFIX, as the list that
# installation keeps in the program's folder names it
# (PREFIX/libexec/tintwright/install_manifest.txt, the command link
# included), and then that folder. An installation into another prefix from
# the same build folder stays as it is. Only paths below PREFIX are removed.
# Usage: scripts/uninstall.sh PREFIX   (/usr/local as root, ~/.local as the user)
set -euo pipefail
if [ $# -ne 1 ]; then
    echo "Usage: scripts/uninstall.sh PREFIX (the prefix of the installation: /usr/local, ~/.local)" >&2
    exit 2
fi
prefix=$1
program_dir="$prefix/libexec/tintwright"
manifest="$program_dir/install_manifest.txt"
if [ ! -f "$manifest" ]; then
    if [ -f "$prefix/CMakeCache.txt" ]; then
        echo "$prefix is a build folder; give the prefix the installation used instead:" >&2
        echo "    scripts/uninstall.sh /usr/local    (as root)    or    scripts/uninstall.sh ~/.local" >&2
    else
        echo "Tintwright is not installed under $prefix: there is no $manifest." >&2
    fi
    exit 1
fi
if [ ! -w "$program_dir" ]; then
    echo "Removing the installation under $prefix needs the rights it was made with: run this as root" \
        "(sudo scripts/uninstall.sh $prefix)." >&2
    exit 1
fi
prefix_real=$(cd -- "$prefix" && pwd -P)
prefix_real=${prefix_real%/} # "" for /

while IFS= read -r file || [ -n "$file" ]; do # the last line may have no line end
    [ -n "$file" ] || continue
    folder=$(dirname -- "$file")
    folder_real=$(cd -- "$folder" 2>/dev/null && pwd -P) || continue # gone already
    case "$folder_real/" in
    "$prefix_real"/*) ;;
    *)
        echo "Left in place, as it lies outside $prefix: $file" >&2
        continue
        ;;
    esac
    rm -f -- "$file"
    if [ "$(basename -- "$folder")" = tintwright ]; then
        rmdir --ignore-fail-on-non-empty -- "$folder"
    fi
done <"$manifest"
