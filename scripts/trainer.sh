#!/usr/bin/env bash
# Builds the trainer and starts it on the bundled sample installation.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${ORVIK3_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${ORVIK3_BUILD_TYPE:-RelWithDebInfo}
cmake --build "$build" --parallel --target orvik3-trainer
exec "$build/app/orvik3-trainer" --base "$PWD/data" "$@"
