#!/usr/bin/env bash
# Many trainers appending to one class server at once, on the loopback: each appender
# practises for SECONDS, publishing after every question, then makes sure the server has all.
# The server must then hold every review of every log exactly once.
# Usage: scripts/class-soak.sh APPENDER [APPENDERS] [SECONDS]
#   APPENDER: the class_appender program of a build (build/tests/school/class_appender)
set -euo pipefail
appender=${1:?usage: class-soak.sh APPENDER [APPENDERS] [SECONDS]}
count=${2:-50}
seconds=${3:-60}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap '"$here/pg-scratch.sh" remove "$work" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
url=$("$here/pg-scratch.sh" start "$work")
echo "server $url; $count appenders for $seconds s"
pids=()
for i in $(seq "$count"); do
  "$appender" "$work/log-$i.sqlite" "trainee-$i" "$url" "$seconds" >"$work/out-$i.txt" 2>"$work/err-$i.txt" &
  pids+=($!)
done
failed=0
for i in "${!pids[@]}"; do
  wait "${pids[$i]}" || { failed=1; echo "appender $((i + 1)) failed: $(cat "$work/err-$((i + 1)).txt")" >&2; }
done
[ "$failed" = 0 ] || exit 1
local_total=$(cat "$work"/out-*.txt | sed -n 's/^all //p' | awk '{s += $1} END {print s + 0}')
port=${url##*:}
port=${port%%/*}
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
read -r rows keys < <("$bin/psql" -h 127.0.0.1 -p "$port" -U orvik3 -d class -tA -F ' ' \
  -c "SELECT count(*), count(DISTINCT (pseudonym, device, local_id)) FROM orvik3_reviews")
echo "logs $local_total reviews, server $rows rows with $keys keys"
[ "$rows" = "$local_total" ] && [ "$keys" = "$local_total" ] && [ "$local_total" -gt 0 ]
