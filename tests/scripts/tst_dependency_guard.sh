#!/usr/bin/env bash
# The dependency guard on edited copies of the package list: a package taken off (or only
# left in a comment) must fail the guard, naming it; a package that others pull in may go.
# Usage: tst_dependency_guard.sh GUARD BUILD-DIR PACKAGE-LIST
set -uo pipefail
guard=$1 build=$2 list=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# edit of the list | expected exit | package the output must name as missing ("-": none)
cases=(
  "keep|0|-"
  "drop libbenchmark-dev|1|libbenchmark-dev"
  "comment libbenchmark-dev|1|libbenchmark-dev"
  "drop qt6-tools-dev|1|qt6-tools-dev"
  "drop qt6-base-dev|0|-"
)
failures=0
# What the build loaded with the list as it is; a package the build does not use (benchmarks
# off in the sanitizer build) cannot be missed, so its row is skipped there.
loaded=$("$guard" "$build" "$list" 2>&1)
for row in "${cases[@]}"; do
  IFS='|' read -r edit expected named <<<"$row"
  read -r action package <<<"$edit"
  if [ "$named" != - ] && ! grep -q " from ${named}\$" <<<"$loaded"; then
    echo "SKIP [$edit]: this build loads nothing of $named"
    continue
  fi
  copy=$scratch/list.txt
  case $action in
    keep) cp "$list" "$copy" ;;
    drop) grep -Ev "^[[:space:]]*${package}([[:space:]#]|$)" "$list" >"$copy" ;;
    comment) sed -E "s/^[[:space:]]*(${package})([[:space:]#]|$)/# \1\2/" "$list" >"$copy" ;;
  esac
  out=$("$guard" "$build" "$copy" 2>&1)
  rc=$?
  missing=$(grep '^MISSING:' <<<"$out" || true)
  ok=1
  [ "$rc" -eq "$expected" ] || ok=0
  if [ "$named" = - ]; then
    [ -z "$missing" ] || ok=0
  else
    grep -q "comes from ${named}," <<<"$missing" || ok=0
  fi
  if [ $ok -eq 1 ]; then
    echo "PASS [$edit]: exit $rc"
  else
    echo "FAIL [$edit]: exit $rc, expected $expected naming $named"
    printf '%s\n' "$out" | sed 's/^/    /'
    failures=$((failures + 1))
  fi
done
[ $failures -eq 0 ]
