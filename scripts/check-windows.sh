#!/usr/bin/env bash
# Cross-builds the theme core, the colour layer, the model, the sketch, their
# tests and tintwright-cli for 64-bit Windows with MinGW-w64 into build/windows/,
# then runs their test suites and the program itself, in a folder with a
# non-ASCII name, under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh g++-mingw-w64-x86-64-posix wine64 googletest

cmake --preset windows >/dev/null
cmake --build --preset windows

wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || command -v wineserver64 || echo /usr/lib/wine/wineserver64)
# Wine keeps to build/windows: its prefix, a home of its own for the desktop
# files it would write, and temporary files; its menu builder, which would put
# entries and MIME types into the desktop's folders, is off.
home="$PWD/build/windows/home"
mkdir -p "$home" "$PWD/build/windows/tmp"
export WINEPREFIX="$PWD/build/windows/wine" WINEDEBUG=-all LANG=C.UTF-8 \
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_CACHE_HOME="$home/.cache" TMPDIR="$PWD/build/windows/tmp"
bin=build/windows/bin
"$wine" wineboot --init >/dev/null 2>&1 || true

echo "== The theme core's tests under Wine"
"$wine" "$bin/theme_tests.exe" --gtest_brief=1
echo "== The colour layer's and the theme model's tests under Wine"
"$wine" "$bin/color_tests.exe" --gtest_brief=1
"$wine" "$bin/model_tests.exe" --gtest_brief=1
echo "== The sketch's tests under Wine"
"$wine" "$bin/sketch_tests.exe" --gtest_brief=1
echo "== tintwright-cli's tests under Wine"
"$wine" "$bin/cli_tests.exe" --gtest_brief=1

echo "== tintwright-cli.exe on a theme in a folder with a non-ASCII name"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
themes="$folder/Zoë/Thèmes"
mkdir -p "$themes"
cp samples/Midnight.ask "$themes/Dünkel.ask"
"$wine" "$bin/tintwright-cli.exe" check "$themes/Dünkel.ask"
"$wine" "$bin/tintwright-cli.exe" set "$themes/Dünkel.ask" "ControlForeground=#102030" -o "$themes/myDünkel.ask"
"$wine" "$bin/tintwright-cli.exe" set "$themes/Dünkel.ask" "1=16,32,48" -o - | cmp - "$themes/myDünkel.ask"
differs=0
"$wine" "$bin/tintwright-cli.exe" diff "$themes/Dünkel.ask" "$themes/myDünkel.ask" || differs=$?
[ "$differs" -eq 1 ]
"$wine" "$bin/tintwright-cli.exe" preview "$themes/Dünkel.ask" -o "$themes/Dünkel.svg" 2>/dev/null
grep -q 'data-element="ControlForeground"' "$themes/Dünkel.svg"
"$wineserver" -k 2>/dev/null || true # nothing of Wine's goes on running after the checks
echo "Windows build checked: $bin/tintwright-cli.exe"
