#!/usr/bin/env bash
# Builds everything in BUILD_DIR (default: build) and runs the whole test suite through CTest.
# Extra arguments go to CMake's configure step (e.g. -DZELPA_SANITIZE=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${BUILD_DIR:-build}
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure -j2
