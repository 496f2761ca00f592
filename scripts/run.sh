#!/usr/bin/env bash
# Sets up, builds and starts Tintwright.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Tintwright needs a display. Start it from a desktop session, or under a virtual display:" >&2
    echo "install the packages xvfb and xauth (as root: apt-get install xvfb xauth), then run" >&2
    echo "    xvfb-run ./scripts/run.sh" >&2
    exit 1
fi
# Outside a desktop session (under xvfb-run, say) Qt still wants a runtime folder of the user's own.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$PWD/build/release/qt-runtime}"
exec build/release/bin/tintwright "$@"
