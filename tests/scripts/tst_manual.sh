#!/usr/bin/env bash
# The manual page and the documentation name every command and option the program's own help
# names, so that neither falls behind when the program learns something new.
# Usage: tst_manual.sh PROGRAM MANPAGE DOC
set -euo pipefail
program=$1 manpage=$2 doc=$3
help=$(QT_QPA_PLATFORM=offscreen "$program" --help)
name=$(basename "$program")
missing=0
# The commands are the words after the program's name in its synopsis.
words=$(printf '%s\n' "$help" | sed -n "s/^ *$name \([a-z][a-z-]*\).*/\1/p" | sort -u)
options=$(printf '%s\n' "$help" | grep -o -- '--[a-z][a-z-]*' | grep -v -x -- '--help-all' | sort -u)
for word in $words; do
  grep -q -w -- "$word" "$manpage" || { echo "$manpage lacks the command $word"; missing=1; }
  grep -q -w -- "$word" "$doc" || { echo "$doc lacks the command $word"; missing=1; }
done
for option in $options; do
  # The manual page writes a hyphen as \-.
  escaped=${option//-/\\\\-}
  grep -q -- "$escaped" "$manpage" || { echo "$manpage lacks $option"; missing=1; }
  grep -q -- "$option" "$doc" || { echo "$doc lacks $option"; missing=1; }
done
exit $missing
