#!/usr/bin/env bash
# Runs the README's test command in a clone that stands where a newcomer's
# might: in a folder with a blank and non-ASCII letters in its name, named
# tintwright as `git clone` names it, and reached through a symbolic link.
# One clone for all of them, so the suite is built once more, not three times.
# Usage: scripts/check-clone-paths.sh   (clones the committed HEAD)
set -euo pipefail
cd "$(dirname "$0")/.."

place="$PWD/build/clones"
rm -rf "$place"
mkdir -p "$place/My Projects/Zoë Thèmes"
git clone --quiet --no-hardlinks "$PWD" "$place/My Projects/Zoë Thèmes/tintwright"
ln -s "My Projects/Zoë Thèmes" "$place/linked"

cd "$place/linked/tintwright"
echo "== ./scripts/test.sh in $place/linked/tintwright (My Projects/Zoë Thèmes/tintwright)"
./scripts/test.sh
