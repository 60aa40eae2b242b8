#!/usr/bin/env bash
# Installs what is missing, builds, starts a private test database and runs
# every test. Each test case gets a fresh database on that server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh

dbdir=$(mktemp -d /tmp/kavello-testdb.XXXXXX)
# A free loopback port unless one is given.
free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
port=${KAVELLO_TEST_DB_PORT:-$(free_port)}
rootpw="kavello-test"
cleanup() { bash scripts/db.sh stop "$dbdir" || true; rm -rf "$dbdir"; }
trap cleanup EXIT
bash scripts/db.sh start "$dbdir" "$port" "$rootpw"

export KAVELLO_TEST_DB_HOST=127.0.0.1 KAVELLO_TEST_DB_PORT=$port
export KAVELLO_TEST_DB_USER=root KAVELLO_TEST_DB_PASS=$rootpw
export KAVELLO_TESTDATA=${KAVELLO_TESTDATA:-$(realpath -m ../shared/testdata)}
ctest --test-dir build --output-on-failure -j2 "$@"
