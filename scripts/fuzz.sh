#!/usr/bin/env bash
# Builds every libFuzzer target with clang (preset "fuzz", folder build-fuzz/) and runs each one
# for the given number of seconds on a scratch copy of its seed corpus (fuzz/corpus/<name>/),
# so that the corpus in the repository stays as it is. Fails on a crash, a leak or a timeout;
# the input that did it is kept in build-fuzz/fuzz-artifacts/<target>/.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mapfile -t targets < <(grep -v '^$' build-fuzz/fuzz/fuzzers.txt)
if [ ${#targets[@]} -eq 0 ]; then
  echo "no fuzz targets" >&2
  exit 1
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for target in "${targets[@]}"; do
  corpus=fuzz/corpus/${target%_fuzz}
  [ -d "fuzz/corpus/$target" ] && corpus=fuzz/corpus/$target
  work=$scratch/$target
  mkdir -p "$work/corpus" "$work/artifacts"
  if [ -d "$corpus" ]; then
    cp -R "$corpus/." "$work/corpus/"
  else
    echo "warning: no seed corpus for $target ($corpus)" >&2
  fi
  echo "== $target: ${seconds}s"
  # Fontconfig keeps its caches until exit; that is not ours to report.
  if ! QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
       -rss_limit_mb=2048 -detect_leaks=1 -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
       "$work/corpus"; then
    echo "fuzz target $target failed" >&2
    mkdir -p "build-fuzz/fuzz-artifacts/$target"
    cp -R "$work/artifacts/." "build-fuzz/fuzz-artifacts/$target/"
    status=1
  fi
done
exit $status
