#!/usr/bin/env bash
# Sets up, builds and starts Tintwright.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Tintwright needs a display: start it from a desktop session, or under a virtual one with: xvfb-run ./scripts/run.sh" >&2
    exit 1
fi
exec build/release/bin/tintwright "$@"
