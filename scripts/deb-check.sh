#!/usr/bin/env bash
# Installs the Debian package into a fresh Debian 12 (minbase) root with apt, as a user would,
# and draws a screenshot with the installed trainer there, where no source or build tree
# exists. Needs root and debootstrap. The minbase root is made once and kept in
# ${XDG_CACHE_HOME:-$HOME/.cache}/orvik3-deb-check/base; every check runs on a copy of it.
# Usage: scripts/deb-check.sh [orvik3_VERSION_ARCH.deb]
#        (default: the package in build-release/, made by `cmake --workflow --preset package`)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
  echo "deb-check.sh: needs root (debootstrap, chroot, mount); run it with sudo" >&2
  exit 2
fi
deb=${1:-$(ls -t build-release/orvik3_*.deb 2>/dev/null | head -1 || true)}
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
  echo "deb-check.sh: no package; make one with: cmake --workflow --preset package" >&2
  exit 2
fi
deb=$(realpath "$deb")

cache=${XDG_CACHE_HOME:-$HOME/.cache}/orvik3-deb-check
base=$cache/base
mkdir -p "$cache"
if [ ! -f "$base/.complete" ]; then
  command -v debootstrap >/dev/null || { echo "deb-check.sh: apt-get install debootstrap" >&2; exit 2; }
  rm -rf "$base" "$base.new"
  mirror=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\).*/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)
  [ -n "$mirror" ] || mirror=$(awk '$1 == "deb" && $3 == "bookworm" {print $2; exit}' /etc/apt/sources.list 2>/dev/null)
  mirror=${mirror:-http://deb.debian.org/debian}
  echo "== making a Debian 12 minbase root from $mirror"
  debootstrap --variant=minbase bookworm "$base.new" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
    { tail -20 "$cache/debootstrap.log" >&2; exit 1; }
  touch "$base.new/.complete"
  mv "$base.new" "$base"
fi

work=$(mktemp -d "$cache/run.XXXXXX")
root=$work/root
mounted=()
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -l "${mounted[$i]}" 2>/dev/null || true
  done
  # Never delete through a mount that is still there (that would be the host's /dev).
  if grep -qF " $root/" /proc/mounts; then
    echo "deb-check.sh: $root still has mounts; left in place" >&2
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT
echo "== fresh copy of the minbase root"
cp -a "$base" "$root"
for fs in dev dev/pts proc sys; do
  mkdir -p "$root/$fs"
done
mount --bind /dev "$root/dev" && mounted+=("$root/dev")
mount --bind /dev/pts "$root/dev/pts" && mounted+=("$root/dev/pts")
mount -t proc proc "$root/proc" && mounted+=("$root/proc")
mount -t sysfs sysfs "$root/sys" && mounted+=("$root/sys")
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
name=$(basename "$deb")

in_root() {
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}
echo "== apt install ./$name"
in_root apt-get update -qq
in_root sh -c "cd /tmp && apt-get install -y -q --no-install-recommends ./$name" >"$work/apt.log" 2>&1 ||
  { tail -30 "$work/apt.log" >&2; exit 1; }
grep -E '^(Setting up orvik3|[0-9]+ upgraded)' "$work/apt.log" || true

echo "== the installed trainer, offscreen"
if [ -e "$root$PWD" ]; then
  echo "deb-check.sh: the source tree is visible in the root" >&2
  exit 1
fi
in_root sh -c 'command -v orvik3-trainer && orvik3-study --version'
mkdir -m 700 "$root/tmp/runtime"
in_root env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/runtime orvik3-trainer --type 6 --screenshot /tmp/out.png
size=$(stat -c %s "$root/tmp/out.png" 2>/dev/null || echo 0)
cp "$root/tmp/out.png" "$cache/out.png" 2>/dev/null || true
if [ "$size" -lt 20000 ]; then
  echo "deb-check FAILED: the screenshot is missing or nearly empty ($size bytes)" >&2
  exit 1
fi
echo "deb-check passed: $name installs on a fresh Debian 12 and draws a ${size}-byte screenshot ($cache/out.png)"
