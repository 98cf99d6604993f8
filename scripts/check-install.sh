#!/usr/bin/env bash
# Installs a build into a scratch folder (DESTDIR, prefix /usr) and checks the result: every
# part is there, the installed trainer draws the sample installation offscreen without the
# source or build tree, the run writes nothing into the installation, and no installed binary
# or library names a path of the source or build tree.
# Usage: scripts/check-install.sh [BUILD-DIR]        (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$(realpath "${1:-build}")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root/dest cmake --install "$build" --prefix /usr >/dev/null
prefix=$root/dest/usr
status=0
fail() { echo "FAIL: $*"; status=1; }

libdir=$(find "$prefix" -name 'liborvik3.a' -printf '%h\n' | head -1)
[ -n "$libdir" ] || fail "liborvik3.a is not installed"
for part in bin/orvik3-trainer bin/orvik3-study include/orvik3/QAform.h include/orvik3/QAformWidget.h \
            share/orvik3/pwr.rtf share/orvik3/default/study share/orvik3/default/sessions \
            share/orvik3/translations/orvik3_trainer_de.qm \
            share/applications/orvik3-trainer.desktop share/icons/hicolor/scalable/apps/orvik3-trainer.svg \
            share/man/man1/orvik3-trainer.1 share/man/man1/orvik3-study.1 share/doc/orvik3/README.md; do
  [ -e "$prefix/$part" ] || fail "$part is not installed"
done
for part in "${libdir#"$prefix"/}"/liborvik3widgets.a "${libdir#"$prefix"/}"/cmake/Orvik3/Orvik3Config.cmake \
            "${libdir#"$prefix"/}"/cmake/Orvik3/Orvik3ConfigVersion.cmake "${libdir#"$prefix"/}"/cmake/Orvik3/Orvik3Targets.cmake; do
  [ -e "$prefix/$part" ] || fail "$part is not installed"
done
if find "$prefix" -name 'orvik3-trainer.sample' | grep -q .; then
  fail "the build tree's note of the sample installation is installed"
fi

# The installed trainer, on its own sample installation, with settings of its own.
stamp=$root/stamp
touch "$stamp"
sleep 1
shot=$root/shot.png
if ! env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$root/config" HOME="$root/home" \
     "$prefix/bin/orvik3-trainer" --type 6 --screenshot "$shot" 2>"$root/err"; then
  fail "the installed trainer failed: $(cat "$root/err")"
fi
if grep -q 'default/study' "$root/err"; then
  fail "the installed trainer did not find its sample installation: $(cat "$root/err")"
fi
# In German it finds its translation beside the sample installation.
if ! env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$root/config" HOME="$root/home" \
     "$prefix/bin/orvik3-trainer" --type 6 --lang de --screenshot "$root/de.png" 2>"$root/err-de" ||
   grep -q 'not found' "$root/err-de"; then
  fail "the installed trainer in German: $(cat "$root/err-de")"
fi
if [ ! -s "$shot" ] || [ "$(stat -c %s "$shot")" -lt 20000 ]; then
  fail "the screenshot of the installed trainer is missing or nearly empty"
fi
changed=$(find "$root/dest" -newer "$stamp" -print)
[ -z "$changed" ] || fail "the trainer's run wrote into the installation: $changed"

# No path of this build machine in what is installed.
paths=("$source_dir" "$build")
for p in "$source_dir" "$build"; do
  real=$(realpath "$p")
  [ "$real" = "$p" ] || paths+=("$real")
done
checked=0
while IFS= read -r -d '' f; do
  file -b "$f" | grep -qE '^(ELF|current ar archive)' || continue
  checked=$((checked + 1))
  for p in "${paths[@]}"; do
    if hit=$(strings -a "$f" | grep -F -m1 -- "$p"); then
      fail "${f#"$root/dest"} names $p: $hit"
    fi
  done
done < <(find "$prefix" -type f -print0)
[ $checked -ge 4 ] || fail "only $checked binaries and libraries installed"
[ $status -eq 0 ] && echo "install check passed: $checked binaries and libraries free of build paths, screenshot $(stat -c %s "$shot") bytes"
exit $status
