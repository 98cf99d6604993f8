#!/usr/bin/env bash
# Checks that every CMake package the configure step of BUILD-DIR loaded comes from a Debian
# package that the package list names or that a named package depends on, so that a fresh
# machine set up from the list configures too. Recommends do not count: deps.sh installs
# without them.
# Usage: scripts/dependency-guard.sh BUILD-DIR [PACKAGE-LIST]
set -euo pipefail
build=${1:?usage: dependency-guard.sh BUILD-DIR [PACKAGE-LIST]}
list=${2:-$(dirname "$0")/debian-packages.txt}
cache=$build/CMakeCache.txt
[ -f "$cache" ] || { echo "dependency-guard: no $cache; configure first" >&2; exit 2; }
[ -f "$list" ] || { echo "dependency-guard: no package list $list" >&2; exit 2; }

# find_package in config mode caches <Pkg>_DIR, the folder of the file it loaded.
declare -A configOf=()
while IFS= read -r line; do
  name=${line%%_DIR:PATH=*}
  dir=${line#*_DIR:PATH=}
  [ -d "$dir" ] || continue
  lower=${name,,}
  for candidate in "$dir/${name}Config.cmake" "$dir/${lower}-config.cmake"; do
    if [ -f "$candidate" ]; then
      configOf[$name]=$(realpath "$candidate")
      break
    fi
  done
done < <(grep -E '^[A-Za-z0-9_.+-]+_DIR:PATH=/' "$cache")
if [ ${#configOf[@]} -eq 0 ]; then
  echo "dependency-guard: $cache records no loaded CMake package" >&2
  exit 2
fi

mapfile -t listed < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$list")
# Everything the listed packages pull in as installed here: the package lines and every
# Depends/PreDepends target, virtual ones without their brackets, architectures dropped.
declare -A closure=()
while IFS= read -r p; do
  closure[$p]=1
done < <(apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts \
           --no-breaks --no-replaces --no-enhances "${listed[@]}" 2>/dev/null |
         sed -nE -e 's/^([^ ].*)$/\1/p' -e 's/^ *\|?(Pre)?Depends: <?([^ >]+)>?$/\2/p' |
         sed -e 's/:.*//')

status=0
for name in $(printf '%s\n' "${!configOf[@]}" | sort); do
  file=${configOf[$name]}
  owner=$(dpkg-query -S "$file" 2>/dev/null | head -1 | sed -e 's/: .*//' -e 's/:.*//' || true)
  if [ -z "$owner" ]; then
    echo "MISSING: $name ($file) belongs to no Debian package; a fresh machine will not have it"
    status=1
  elif [ -z "${closure[$owner]:-}" ]; then
    echo "MISSING: $name ($file) comes from $owner, which $list neither names nor pulls in"
    status=1
  else
    echo "ok: $name from $owner"
  fi
done
exit $status
