#!/usr/bin/env bash
# Builds the Debian package of a build folder and checks its control fields and contents.
# Usage: tst_package.sh BUILD-DIR
set -uo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/log" 2>&1; then
  cat "$scratch/log"
  echo "FAIL: cpack -G DEB"
  exit 1
fi
deb=$(find "$scratch" -maxdepth 1 -name 'orvik3_*.deb' | head -1)
[ -n "$deb" ] || { echo "FAIL: no orvik3_*.deb"; ls "$scratch"; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
echo "Package: $(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)"
echo "Depends: $depends"
failures=0
check() { # what | found? (0/1) | expected (0/1)
  if [ "$2" -eq "$3" ]; then echo "PASS $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}
has_dep() { tr ',' '\n' <<<"$depends" | sed -e 's/^ *//' -e 's/[ (].*//' | grep -qx "$1"; }

# Field checks: name, then the libraries the programs load (found by dpkg-shlibdeps) and
# the fonts and the SQLite driver listed by hand.
check "Package is orvik3" "$([ "$(dpkg-deb -f "$deb" Package)" = orvik3 ] && echo 1 || echo 0)" 1
for dep in libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 libqt6sql6-sqlite libc6 libstdc++6 fonts-liberation2 fonts-dejavu-core; do
  check "Depends on $dep" "$(has_dep "$dep" && echo 1 || echo 0)" 1
done

# Contents: path pattern | expected presence.
rows=(
  "^\./usr/bin/orvik3-trainer$|1"
  "^\./usr/bin/orvik3-study$|1"
  "^\./usr/lib/.*orvik3/orvik3_charts\.so$|1"
  "^\./usr/share/orvik3/pwr\.rtf$|1"
  "^\./usr/share/orvik3/default/study/.+\.sty$|1"
  "^\./usr/share/orvik3/default/sessions/.+|1"
  "^\./usr/share/orvik3/translations/orvik3_trainer_de\.qm$|1"
  "^\./usr/share/applications/orvik3-trainer\.desktop$|1"
  "^\./usr/share/icons/hicolor/scalable/apps/orvik3-trainer\.svg$|1"
  "^\./usr/share/man/man1/orvik3-trainer\.1|1"
  "^\./usr/share/man/man1/orvik3-study\.1|1"
  "^\./usr/include/orvik3/QAform\.h$|1"
  "/cmake/Orvik3/Orvik3Config\.cmake$|1"
  "/qt6/plugins/designer/liborvik3designer\.so$|1"
  "orvik3-trainer\.sample$|0"
  "^\./usr/share/orvik3/scenarios/|0"
)
for row in "${rows[@]}"; do
  pattern=${row%|*}
  expected=${row##*|}
  found=$(grep -qE -- "$pattern" <<<"$contents" && echo 1 || echo 0)
  check "contents ${pattern} present=$expected" "$found" "$expected"
done
[ $failures -eq 0 ]
