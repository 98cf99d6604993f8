#!/usr/bin/env bash
# Builds the trainer (preset "ci", folder build/) and starts it on the bundled sample
# installation. Arguments go to the trainer, e.g. --type 6 --lang en.
set -euo pipefail
cd "$(dirname "$0")/.."

# The trainer says so itself, but only after a build; without a display say it at once.
platform=${QT_QPA_PLATFORM:-}
platform=${platform%%:*}
case " $* " in *" --help "* | *" -h "*) platform=help ;; esac
case $platform in
  "" | xcb | wayland*)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      cat >&2 <<'MSG'
The trainer needs a display, and neither DISPLAY nor WAYLAND_DISPLAY is set.
Start it from a desktop session (or with ssh -X), or draw its window into a PNG file
without a display:
    QT_QPA_PLATFORM=offscreen scripts/trainer.sh --type 6 --screenshot FILE.png
MSG
      exit 1
    fi
    ;;
esac

scripts/deps.sh
cmake --preset ci >/dev/null
cmake --build --preset ci --target orvik3-trainer
exec build/app/orvik3-trainer --base "$PWD/data" "$@"
