#!/usr/bin/env bash
# Runs every test under AddressSanitizer and UndefinedBehaviorSanitizer, then
# feeds the theme reader and writer arbitrary input with libFuzzer for a
# bounded time (FUZZ_SECONDS, 60 by default).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh clang libclang-rt-dev

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
findings=$(mktemp -d)
trap 'rm -rf "$findings"' EXIT
build/fuzz/bin/theme_fuzzer -max_len=131072 -max_total_time="${FUZZ_SECONDS:-60}" -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/ "$findings" fuzz/corpus samples
