#!/usr/bin/env bash
# Builds everything and runs the whole test suite through a CMake preset (default "ci", folder
# build/; reused when it exists). Usage: scripts/test.sh [extra cmake -D options]
# ORVIK3_PRESET=asan scripts/test.sh runs the same suite under the sanitizers (build-asan/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
preset=${ORVIK3_PRESET:-ci}
cmake --preset "$preset" "$@"
cmake --build --preset "$preset"
ctest --preset "$preset"
