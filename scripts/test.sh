#!/usr/bin/env bash
# Sets up, builds and runs every test (the window tests on Qt's offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci
