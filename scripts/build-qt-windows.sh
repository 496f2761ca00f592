#!/usr/bin/env bash
# Builds Qt for 64-bit Windows with MinGW-w64 (Core, Gui, Widgets, Test and the
# windows and offscreen platform plugins), from Debian's own qt6-base source
# package, the same Qt version as the host's tools. It is built once into a
# cache folder outside the clone, keyed by the Qt version, the compiler and
# this script, and found there afterwards: about 16 minutes on two cores the
# first time, nothing after. Prints the folder Qt is installed in.
# Usage: scripts/build-qt-windows.sh   (TINTWRIGHT_CACHE overrides ~/.cache/tintwright)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools dpkg-dev >&2

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
compiler=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
key=$(printf '%s\n%s\n%s\n' "$qt_version" "$compiler" "$(sha256sum "$0" | cut -d' ' -f1)" | sha256sum | cut -c1-16)
cache="${TINTWRIGHT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tintwright}"
prefix="$cache/qt-$qt_version-mingw-$compiler-$key"
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tintwright-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
    echo "Building Qt $qt_version for Windows failed: $1" >&2
    exit 1
}

# The source package of the very version installed, through an apt set-up of
# our own, so that the machine's own sources are left as they are.
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial"
echo "deb-src http://deb.debian.org/debian $suite main" >"$work/apt/sources.list"
apt_options=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o "Dir::Etc::SourceParts=/dev/null"
    -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache::Archives=$work/apt/archives" -o "APT::Sandbox::User=root")
echo "Building Qt $qt_version for Windows once, into $prefix (about 16 minutes on two cores)" >&2
apt-get "${apt_options[@]}" update >"$work/apt.log" 2>&1 || fail "the source package list cannot be had (see apt's words: $(tail -1 "$work/apt.log"))"
(cd "$work" && apt-get "${apt_options[@]}" source --download-only "qt6-base=$qt_version" >>"$work/apt.log" 2>&1) ||
    fail "the source of qt6-base $qt_version cannot be downloaded ($(tail -1 "$work/apt.log"))"
tarball=$(ls "$work"/qt6-base_*.orig.tar.* | head -1)
mkdir "$work/source"
tar -xf "$tarball" -C "$work/source" --strip-components=1

cat >"$work/toolchain.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

# What the window needs and no more: no network, SQL, printing or OpenGL. The
# +dfsg tarball lacks wintab.h (hence no tablet events), and Qt 6.4 cannot
# link its windows platform plugin without Direct2D, so only 1.1 goes.
mkdir "$work/build"
(cd "$work/build" && "$work/source/configure" -prefix "$prefix" -release -shared -xplatform win32-g++ \
    -qt-host-path /usr -nomake tests -nomake examples -no-dbus -no-opengl -no-icu -qt-zlib -qt-pcre -qt-libpng \
    -no-libjpeg -qt-freetype -qt-harfbuzz -no-feature-sql -no-feature-network -no-feature-printsupport \
    -no-feature-concurrent -no-feature-xml -no-feature-vulkan -no-feature-tabletevent -no-feature-direct2d1_1 \
    -- -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    >"$work/configure.log" 2>&1) || { tail -40 "$work/configure.log" >&2; fail "configure stopped (the lines above)"; }
cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
    { grep -m20 -B2 -A5 'error' "$work/build.log" >&2 || tail -40 "$work/build.log" >&2; fail "the build stopped (the lines above)"; }
# Installed in place; only a complete installation is marked so, and found again.
rm -rf "$prefix"
cmake --install "$work/build" >"$work/install.log" 2>&1 ||
    { tail -20 "$work/install.log" >&2; rm -rf "$prefix"; fail "the installation stopped"; }
touch "$prefix/.complete"
echo "$prefix"
