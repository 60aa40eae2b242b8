#!/usr/bin/env bash
# A private MariaDB server on a loopback port, data in a directory of ours.
#   db.sh start DATADIR PORT ROOTPASSWORD   (idempotent; waits until it answers)
#   db.sh stop DATADIR
set -euo pipefail
cmd=${1:?start or stop}
datadir=$(realpath -m "${2:?data directory}")

stop() {
  if [ -f "$datadir/mariadb.pid" ]; then
    pid=$(cat "$datadir/mariadb.pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    rm -f "$datadir/mariadb.pid"
  fi
}

case "$cmd" in
stop) stop; exit 0 ;;
start) ;;
*) echo "usage: db.sh start DATADIR PORT ROOTPASSWORD | stop DATADIR" >&2; exit 2 ;;
esac

port=${3:?port}
rootpw=${4:?root password}
sock="$datadir/mariadb.sock"
user_opt=()
[ "$(id -u)" -eq 0 ] && user_opt=(--user=root)

ping() { mariadb-admin --no-defaults --protocol=tcp -h127.0.0.1 -P"$port" -uroot -p"$rootpw" ping >/dev/null 2>&1; }

if [ -f "$datadir/mariadb.pid" ] && kill -0 "$(cat "$datadir/mariadb.pid")" 2>/dev/null && ping; then
  exit 0
fi
fresh=0
if [ ! -d "$datadir/mysql" ]; then
  mkdir -p "$datadir"
  mariadb-install-db --no-defaults "${user_opt[@]}" --datadir="$datadir/data" --auth-root-authentication-method=normal \
    --skip-test-db >"$datadir/install.log" 2>&1 || { cat "$datadir/install.log" >&2; exit 1; }
  mkdir -p "$datadir/mysql"  # marks an installed data directory
  fresh=1
fi
mariadbd --no-defaults "${user_opt[@]}" --datadir="$datadir/data" --port="$port" --bind-address=127.0.0.1 \
  --socket="$sock" --pid-file="$datadir/mariadb.pid" --log-error="$datadir/error.log" \
  --character-set-server=utf8mb4 --collation-server=utf8mb4_general_ci \
  --innodb-buffer-pool-size=64M --innodb-log-file-size=16M --skip-name-resolve >/dev/null 2>&1 &
for _ in $(seq 1 300); do
  if [ -S "$sock" ]; then break; fi
  sleep 0.1
done
[ -S "$sock" ] || { echo "MariaDB did not start; see $datadir/error.log" >&2; tail -20 "$datadir/error.log" >&2; exit 1; }
if [ $fresh -eq 1 ]; then
  # Root gets a password over TCP; the default is socket-only login.
  mariadb --no-defaults --socket="$sock" -uroot <<SQL
ALTER USER 'root'@'localhost' IDENTIFIED BY '$rootpw';
CREATE OR REPLACE USER 'root'@'127.0.0.1' IDENTIFIED BY '$rootpw';
GRANT ALL PRIVILEGES ON *.* TO 'root'@'127.0.0.1' WITH GRANT OPTION;
FLUSH PRIVILEGES;
SQL
fi
for _ in $(seq 1 100); do ping && exit 0; sleep 0.1; done
echo "MariaDB does not answer on port $port" >&2
exit 1
