#!/usr/bin/env bash
# Sets up, builds and starts Tintwright; arguments go to the program (a theme to open, say).
set -euo pipefail
cd "$(dirname "$0")/.."

# Said before anything is built: without a display the window cannot show.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Tintwright needs a display: start it from a desktop session." >&2
    if command -v xvfb-run >/dev/null 2>&1; then
        echo "Without one, run it on a virtual screen (the window is then invisible):" >&2
        echo "    xvfb-run -a ./scripts/run.sh" >&2
    else
        echo "Without one, it can run on a virtual screen (the window is then invisible): install the" >&2
        echo "packages xvfb and xauth as root, then run it under xvfb-run:" >&2
        echo "    apt-get install -y xvfb xauth" >&2
        echo "    xvfb-run -a ./scripts/run.sh" >&2
    fi
    exit 1
fi

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release

# Outside a desktop session (under xvfb-run, say) Qt still wants a runtime folder of the user's own.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$PWD/build/release/qt-runtime}"
exec build/release/bin/tintwright "$@"
