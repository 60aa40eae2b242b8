#!/usr/bin/env bash
# Opening time of the goods area over 100, 1,000 and 10,000 goods against a
# private MariaDB server. Usage: bash bench/goods_area.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
work=$(mktemp -d /tmp/kavello-bench.XXXXXX)
port=${KAVELLO_BENCH_DB_PORT:-3328}
cleanup() { bash scripts/db.sh stop "$work/db" || true; rm -rf "$work"; }
trap cleanup EXIT
bash scripts/db.sh start "$work/db" "$port" bench
KAVELLO_BENCH_DB_PORT=$port KAVELLO_BENCH_DB_PASS=bench build/bench/bench-goods-area
