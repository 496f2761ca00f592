#!/usr/bin/env bash
# Cross-builds Tintwright for 64-bit Windows with MinGW-w64 into build/windows/:
# the theme core, the colour layer, the model, the sketch, tintwright-cli and
# the window, against a Qt built for MinGW once (scripts/build-qt-windows.sh).
# Under Wine it runs every test suite (the window's on Qt's offscreen
# platform), tintwright-cli in a folder with a non-ASCII name. It puts the
# folder a user copies together and zips it, builds the installer from it,
# installs it silently under Wine, starts the program as "Open with" does on a
# theme on a virtual X display (whose picture it checks), and uninstalls it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh g++-mingw-w64-x86-64-posix wine64 googletest xvfb xauth imagemagick fonts-dejavu-core nsis

qt=$(scripts/build-qt-windows.sh)
# The host's own build draws the pictures and writes the help documents that
# the Windows build takes (it cannot run the tools it builds).
cmake --preset ci >/dev/null
cmake --build --preset ci --target iconfile help_documents >/dev/null

cmake --preset windows -DTINTWRIGHT_BUILD_UI=ON -DTINTWRIGHT_WINDOWS_QT="$qt" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DTINTWRIGHT_HOST_BUILD="$PWD/build/ci" >/dev/null
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
echo "== The sketch's tests and those of the themes it makes, under Wine"
"$wine" "$bin/sketch_tests.exe" --gtest_brief=1
"$wine" "$bin/make_tests.exe" --gtest_brief=1
echo "== tintwright-cli's tests under Wine"
"$wine" "$bin/cli_tests.exe" --gtest_brief=1
echo "== The window's tests under Wine, on Qt's offscreen platform"
ctest --test-dir build/windows -R '^(Form1|CellGridTest|CommonDialogTest|SketchViewTest|help_documents)' --output-on-failure --timeout 300

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

echo "== The folder a user copies, and its zip"
version=$(sed -n 's/^project(Tintwright VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name="Tintwright-$version-windows-x64"
rm -rf "build/windows/$name" "build/windows/$name.zip"
cmake --install build/windows --prefix "build/windows/$name" >/dev/null
for file in tintwright.exe tintwright-cli.exe readme.pdf liesmich.pdf Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
    platforms/qwindows.dll styles/qwindowsvistastyle.dll; do
    [ -f "build/windows/$name/$file" ] || { echo "The Windows folder lacks $file" >&2; exit 1; }
done
(cd build/windows && cmake -E tar cf "$name.zip" --format=zip "$name")

echo "== The installer"
# Its lists of files: what it puts in place, and what its uninstaller removes (those files and no others).
copied="build/windows/$name" # the folder a user copies
files="$PWD/build/windows/installer-files.nsh"
remove="$PWD/build/windows/installer-remove.nsh"
: >"$files"
: >"$remove"
(cd "$copied" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) | while IFS= read -r file; do
    inside=$(dirname "$file" | sed 's|^\.$||; s|/|\\|g')
    printf 'SetOutPath "$INSTDIR%s"\nFile "%s"\n' "${inside:+\\$inside}" "$PWD/$copied/$file" >>"$files"
    printf 'Delete "$INSTDIR\\%s"\n' "$(sed 's|/|\\|g' <<<"$file")" >>"$remove"
done
(cd "$copied" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r) | while IFS= read -r inside; do
    printf 'RMDir "$INSTDIR\\%s"\n' "$(sed 's|/|\\|g' <<<"$inside")" >>"$remove"
done
icon=$(find build/windows -name tintwright.ico -print -quit)
setup="build/windows/Tintwright-$version-setup.exe"
makensis -V2 -DVERSION="$version" -DICON="$PWD/$icon" -DFILES="$files" -DREMOVE="$remove" -DOUTFILE="$PWD/$setup" \
    packaging/windows/tintwright.nsi

echo "== The installer under Wine: a silent installation for the current user"
user_folder="$WINEPREFIX/drive_c/users/$(id -un)"
installed="$user_folder/AppData/Local/Programs/Tintwright"
shortcut="$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tintwright.lnk"
application_key='HKCU\Software\Classes\Applications\tintwright.exe'
open_with_key='HKCU\Software\Classes\.ask\OpenWithList\tintwright.exe'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintwright'
"$wine" "$setup" /S
"$wineserver" -w
(cd "$copied" && find . -type f) | while IFS= read -r file; do
    [ -f "$installed/$file" ] || { echo "The installation lacks $file" >&2; exit 1; }
done
[ -f "$installed/Uninstall.exe" ] || { echo "The installation has no Uninstall.exe" >&2; exit 1; }
[ -f "$shortcut" ] || { echo "The installation made no Start menu shortcut" >&2; exit 1; }
command=$("$wine" reg query "$application_key\\shell\\open\\command" /ve | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
echo "Open with Tintwright: $command"
grep -q 'tintwright.exe" "%1"$' <<<"$command" || { echo "No \"Open with\" command for .ask" >&2; exit 1; }
"$wine" reg query "$open_with_key" >/dev/null
"$wine" reg query "$uninstall_key" /v DisplayVersion | tr -d '\r' | grep -q "REG_SZ *$version$"
"$wine" reg query "$uninstall_key" /v Publisher >/dev/null
"$wine" reg query "$uninstall_key" /v DisplayIcon >/dev/null

echo "== tintwright.exe started as \"Open with\" starts it, on a theme, on a virtual X display"
program="$installed/tintwright.exe"
shot=build/windows/window.png
rm -f "$shot"
QT_QPA_PLATFORM= WINEPATH= xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    "$0" "$1" "$2" >/dev/null 2>&1 &
    for second in $(seq 1 60); do
        sleep 1
        import -window root "$3" 2>/dev/null && [ "$(convert "$3" -format %k info:)" -gt 40 ] && break
    done
    "$4" -k' "$wine" "$program" "$themes/Dünkel.ask" "$shot" "$wineserver"
colours=$(convert "$shot" -format %k info: 2>/dev/null || echo 0)
if [ "$colours" -le 40 ]; then
    echo "tintwright.exe showed no window (the screen has $colours colours): $shot" >&2
    exit 1
fi

echo "== A silent uninstallation leaves a theme the user saved there, and nothing else"
cp samples/Midnight.ask "$installed/myMidnight.ask"
"$wine" "$installed/Uninstall.exe" /S
"$wineserver" -w
left=$(cd "$installed" && find . -mindepth 1)
[ "$left" = "./myMidnight.ask" ] || { echo "Uninstalling left: $left" >&2; exit 1; }
[ ! -e "$shortcut" ] || { echo "Uninstalling left the Start menu shortcut" >&2; exit 1; }
for key in "$application_key" "$open_with_key" "$uninstall_key"; do
    if "$wine" reg query "$key" >/dev/null 2>&1; then
        echo "Uninstalling left the key $key" >&2
        exit 1
    fi
done
rm -rf "$installed"
"$wineserver" -k 2>/dev/null || true # nothing of Wine's goes on running after the checks
echo "Windows build checked: build/windows/$name.zip, $setup; the started window: $shot ($colours colours)"
