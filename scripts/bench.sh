#!/usr/bin/env bash
# Builds and runs the benchmarks: the theme core against a plain copy of the
# same bytes, and the window (opening the largest theme, starting the program
# offscreen and on an X11 display).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh libbenchmark-dev xvfb xauth
cmake --preset bench >/dev/null
cmake --build --preset bench
build/bench/bin/theme_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
# The window benchmarks draw offscreen; the start-up pairs also run on an X11
# display of the same size, as users start the program.
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$PWD/build/bench/qt-runtime" \
    xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bin/window_benchmark
