#!/usr/bin/env bash
# Cross-builds the theme core, the sketch, their tests and tintwright-cli for 64-bit Windows
# with MinGW-w64 into build/windows/, then runs the core and CLI test suites
# and the program itself, in a folder with a non-ASCII name, under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh g++-mingw-w64-x86-64-posix wine64 googletest

cmake --preset windows >/dev/null
cmake --build --preset windows

wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
export WINEPREFIX="$PWD/build/windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
bin=build/windows/bin
"$wine" wineboot --init >/dev/null 2>&1 || true

echo "== The theme core's tests under Wine"
"$wine" "$bin/theme_tests.exe" --gtest_brief=1
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
echo "Windows build checked: $bin/tintwright-cli.exe"
