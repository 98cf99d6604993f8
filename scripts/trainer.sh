#!/usr/bin/env bash
# Builds the trainer and starts it on the bundled sample installation. Until the trainer
# application exists, the minimal example host is started on the same installation.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${ORVIK3_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${ORVIK3_BUILD_TYPE:-RelWithDebInfo}
if [ -f app/CMakeLists.txt ]; then
  cmake --build "$build" --parallel --target orvik3-trainer
  exec "$build/app/orvik3-trainer" --base "$PWD/data" "$@"
fi
cmake --build "$build" --parallel --target orvik3-minimal-host
exec "$build/examples/minimal-host/orvik3-minimal-host" --base "$PWD/data" "$@"
