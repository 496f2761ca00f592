#!/usr/bin/env bash
# Runs the README's test command in a clone that stands where a newcomer's
# might: in a real folder with a blank and non-ASCII letters in its name,
# named tintwright as `git clone` names it, with no symbolic link on the way,
# so that CMake, the compiler, the tests and Qt all meet the folder's own
# name. The paths reach Qt through the environment, so the window's tests
# then run again under other locales: "C.UTF-8", "C", and none at all.
# Usage: scripts/check-clone-paths.sh   (clones the committed HEAD)
set -euo pipefail
cd "$(dirname "$0")/.."
source=$(pwd -P) # the folder itself, not a link to it

place="$source/build/clones/Thèmes Zoë"
rm -rf "$source/build/clones"
mkdir -p "$place"
git clone --quiet --no-hardlinks "$source" "$place/tintwright"
cd "$place/tintwright"
if [ "$(pwd -P)" != "$place/tintwright" ]; then
    echo "The clone is reached through a link: $(pwd -P) is not $place/tintwright" >&2
    exit 1
fi

echo "== ./scripts/test.sh in $PWD"
./scripts/test.sh

# No LC_* or LANG at all for "none"; LANGUAGE only picks messages.
no_locale=(env -u LC_ALL -u LANG -u LANGUAGE)
for name in $(env | sed -n 's/^\(LC_[A-Z_]*\)=.*/\1/p'); do
    no_locale+=(-u "$name")
done
for locale in C.UTF-8 C none; do
    echo "== The window's tests with the locale $locale"
    if [ "$locale" = none ]; then
        "${no_locale[@]}" ctest --preset ci -R '^Form1' --no-tests=error
    else
        "${no_locale[@]}" LC_ALL="$locale" ctest --preset ci -R '^Form1' --no-tests=error
    fi
done
