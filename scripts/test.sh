#!/usr/bin/env bash
# Builds everything and runs the whole test suite. Reuses build/ when it exists.
# Usage: scripts/test.sh [extra cmake -D options]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${ORVIK3_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${ORVIK3_BUILD_TYPE:-RelWithDebInfo} "$@"
cmake --build "$build" --parallel
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --timeout 300
