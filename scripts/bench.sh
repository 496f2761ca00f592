#!/usr/bin/env bash
# Builds and runs the benchmarks: the theme core against a plain copy of the
# same bytes, and the window (opening the largest theme, starting the program).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh libbenchmark-dev
cmake --preset bench >/dev/null
cmake --build --preset bench
build/bench/bin/theme_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$PWD/build/bench/qt-runtime" build/bench/bin/window_benchmark
