#!/usr/bin/env bash
# A throwaway PostgreSQL server for tests and benchmarks: its own cluster in a folder,
# listening on the loopback only, trusting connections of the user "orvik3".
#   pg-scratch.sh start DIR     makes the cluster (once) and starts it (unless running); prints its URL
#   pg-scratch.sh stop DIR      stops it (fast shutdown)
#   pg-scratch.sh kill DIR      kills the server at once, as a crash would (kill -9)
#   pg-scratch.sh remove DIR    stops it if running and removes the cluster
# initdb refuses to run as root: as root the server runs as the system user "postgres".
set -euo pipefail
usage="usage: pg-scratch.sh start|stop|kill|remove DIR"
command=${1:?$usage}
dir=$(cd "${2:?$usage}" && pwd)
data=$dir/pgdata
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$bin/initdb" ] || { echo "pg-scratch.sh: no PostgreSQL server (Debian package postgresql)" >&2; exit 2; }

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case $command in
start)
  if [ ! -f "$data/PG_VERSION" ]; then
    mkdir -p "$data"
    if [ "$(id -u)" -eq 0 ]; then
      chmod 755 "$dir"
      chown postgres: "$data"
    fi
    as_owner "$bin/initdb" -D "$data" -U orvik3 --auth=trust -E UTF8 --locale=C >"$dir/initdb.log" 2>&1 ||
      { cat "$dir/initdb.log" >&2; exit 1; }
    # No fsync: a throwaway server need not survive a power cut. A killed server loses
    # nothing by it, since every commit is in the kernel's hands before it is acknowledged.
    printf "listen_addresses = '127.0.0.1'\nunix_socket_directories = '%s'\nshared_buffers = 128MB\nfsync = off\n" "$data" \
      >>"$data/postgresql.conf"
  fi
  # A free port, chosen at the first start and kept for restarts.
  for _ in $(seq 20); do
    if as_owner "$bin/pg_ctl" -D "$data" status >/dev/null 2>&1; then
      port=$(cat "$dir/port")
      break # running already
    fi
    if [ ! -f "$dir/port" ]; then
      port=$((20000 + RANDOM % 40000))
      (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && continue # taken
      echo "$port" >"$dir/port"
      fresh=1
    fi
    port=$(cat "$dir/port")
    as_owner "$bin/pg_ctl" -D "$data" -l "$data/server.log" -o "-p $port" -w -t 60 start >/dev/null && break
    if [ "${fresh:-0}" = 1 ] && tail -n 5 "$data/server.log" | grep -q "could not bind"; then
      rm -f "$dir/port"
      continue
    fi
    tail -n 20 "$data/server.log" >&2
    exit 1
  done
  as_owner "$bin/psql" -h 127.0.0.1 -p "$port" -U orvik3 -d postgres -tAq \
    -c "SELECT 1 FROM pg_database WHERE datname = 'class'" | grep -q 1 ||
    as_owner "$bin/createdb" -h 127.0.0.1 -p "$port" -U orvik3 class
  echo "postgresql://orvik3@127.0.0.1:$port/class"
  ;;
stop)
  as_owner "$bin/pg_ctl" -D "$data" -m fast -w stop >/dev/null
  ;;
kill)
  # The postmaster and every backend at once.
  pid=$(head -n 1 "$data/postmaster.pid")
  kill -9 "$pid" $(cat "/proc/$pid/task/$pid/children" 2>/dev/null) 2>/dev/null || true
  while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
  ;;
remove)
  if [ -f "$data/postmaster.pid" ]; then
    as_owner "$bin/pg_ctl" -D "$data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  rm -rf "$data" "$dir/port" "$dir/initdb.log"
  ;;
*)
  echo "pg-scratch.sh: unknown command $command" >&2
  exit 2
  ;;
esac
