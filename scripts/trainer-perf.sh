#!/usr/bin/env bash
# Start-up time, drawing time and peak memory of the trainer, on a Release build.
# Usage: scripts/trainer-perf.sh [installation folder]     (default: the sample in data/)
set -euo pipefail
cd "$(dirname "$0")/.."
base=${1:-$PWD/data}
build=${ORVIK3_PERF_BUILD_DIR:-build-perf}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVIK3_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --parallel 2 --target orvik3-trainer bench_trainer_draw >/dev/null

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$tmp/config"

echo "Start-up to the first question drawn, whole run and peak memory (--screenshot runs):"
printf '%-6s %-22s %-12s %s\n' type "first question drawn" "whole run" "peak RSS"
for type in 1 2 3 4 5 6 7 8 9 10 11 12 13 14; do
  # The first run of a type warms the file cache, the second is measured.
  "$build/app/orvik3-trainer" --base "$base" --type "$type" --screenshot "$tmp/shot.png" 2>/dev/null || true
  /usr/bin/time -v "$build/app/orvik3-trainer" --base "$base" --type "$type" --timing \
    --screenshot "$tmp/shot.png" 2>"$tmp/err" >/dev/null
  drawn=$(sed -n 's/.*, \([0-9]*\) ms after process start.*/\1 ms/p' "$tmp/err")
  wall=$(sed -n 's/.*Elapsed (wall clock) time.*: //p' "$tmp/err")
  rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$tmp/err")
  printf '%-6s %-22s %-12s %s MB\n' "$type" "$drawn" "$wall" "$((rss / 1024))"
done

echo
echo "Drawing one situation into an image (plan view and instruments):"
"$build/bench/trainer/bench_trainer_draw" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true 2>/dev/null
