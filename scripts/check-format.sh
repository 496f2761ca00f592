#!/usr/bin/env bash
# Fails when a tracked C++ source is not formatted as the committed .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh clang-format git
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "Every tracked C++ source is formatted."
