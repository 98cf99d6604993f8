#!/usr/bin/env bash
# Installs the Debian packages of scripts/debian-packages.txt that are missing, as root or
# through sudo. Usage: scripts/deps.sh [PACKAGE-LIST]
set -euo pipefail
list=${1:-$(dirname "$0")/debian-packages.txt}
mapfile -t packages < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$list")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "deps.sh: missing packages and no sudo; as root run: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  sudo=sudo
fi
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
