#!/usr/bin/env bash
# Start-up of kavello-client to its visible login window, against a local
# MariaDB server, as a ratio to a bare Qt window program measured in the same
# run. Usage: bash bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30}
bash scripts/build.sh >/dev/null

work=$(mktemp -d /tmp/kavello-bench.XXXXXX)
port=${KAVELLO_BENCH_DB_PORT:-3327}
cleanup() { bash scripts/db.sh stop "$work/db" || true; rm -rf "$work"; }
trap cleanup EXIT
bash scripts/db.sh start "$work/db" "$port" bench
mariadb --no-defaults --protocol=tcp -h127.0.0.1 -P"$port" -uroot -pbench -e "CREATE DATABASE kavello"

mkdir "$work/program"
cp build/bin/kavello-client "$work/program/"
build/bin/kavello-settings --dir "$work/program" create ip=127.0.0.1 port="$port" username=root pass=bench mysqlname=kavello

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} KAVELLO_EXIT_WHEN_SHOWN=1
# Milliseconds of each run, one per line.
measure() {
  for _ in $(seq 1 "$runs"); do
    s=$(date +%s%N)
    "$@" >/dev/null 2>&1
    e=$(date +%s%N)
    echo $(((e - s) / 1000))
  done
}
median() { sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%.1f", m/1000}'; }
# Alternate the two so machine noise falls on both alike.
bare=""; client=""
for _ in $(seq 1 "$runs"); do
  bare+="$(runs=1 measure build/bench/bench-bare-window)"$'\n'
  client+="$(runs=1 measure "$work/program/kavello-client")"$'\n'
done
b=$(printf '%s' "$bare" | median)
c=$(printf '%s' "$client" | median)
echo "runs: $runs (platform $QT_QPA_PLATFORM)"
echo "bare Qt window:  median ${b} ms"
echo "kavello-client:  median ${c} ms"
awk -v b="$b" -v c="$c" 'BEGIN { printf "ratio client/bare: %.2f\n", c / b }'
