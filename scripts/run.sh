#!/usr/bin/env bash
# Installs what is missing, builds, starts the local default database (data
# under .local/), points build/bin/connfig.mdb at it and starts the console
# and the client.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh

local_dir=.local
port=${KAVELLO_LOCAL_DB_PORT:-3307}
mkdir -p "$local_dir"
[ -f "$local_dir/root-password" ] || head -c 12 /dev/urandom | base64 | tr -dc 'A-Za-z0-9' >"$local_dir/root-password"
[ -f "$local_dir/shop-password" ] || head -c 12 /dev/urandom | base64 | tr -dc 'A-Za-z0-9' >"$local_dir/shop-password"
rootpw=$(cat "$local_dir/root-password")
shoppw=$(cat "$local_dir/shop-password")
bash scripts/db.sh start "$local_dir/mariadb" "$port" "$rootpw"

# The shop's own database and account.
mariadb --no-defaults --protocol=tcp -h127.0.0.1 -P"$port" -uroot -p"$rootpw" <<SQL
CREATE DATABASE IF NOT EXISTS kavello;
CREATE USER IF NOT EXISTS 'kavello'@'127.0.0.1' IDENTIFIED BY '$shoppw';
GRANT ALL PRIVILEGES ON kavello.* TO 'kavello'@'127.0.0.1';
SQL
build/bin/kavello-settings --dir build/bin set ip=127.0.0.1 port="$port" username=kavello pass="$shoppw" mysqlname=kavello
build/bin/kavello-settings --dir build/bin init-schema
echo "Local database: 127.0.0.1:$port, database kavello (stop it with: bash scripts/db.sh stop $local_dir/mariadb)"

# A demo administrator on a fresh database; its passwords are shown once.
admins=$(mariadb --no-defaults --protocol=tcp -h127.0.0.1 -P"$port" -ukavello -p"$shoppw" -N kavello \
  -e "SELECT COUNT(*) FROM \`user\` WHERE \`uid\`='1'")
if [ "$admins" = "0" ]; then
  adminpw="pw$(head -c 9 /dev/urandom | base64 | tr -dc 'A-Za-z0-9')"
  securitypw="sc$(head -c 9 /dev/urandom | base64 | tr -dc 'A-Za-z0-9')"
  printf '%s\n%s\n%s\n' "$adminpw" "$adminpw" "$securitypw" | build/bin/kavello-settings --dir build/bin add-admin shopadmin
  echo "================================================================"
  echo " Demo administrator (shown only this once):"
  echo "   name:              shopadmin"
  echo "   password:          $adminpw"
  echo "   security password: $securitypw"
  echo "================================================================"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No desktop session (DISPLAY is not set): start build/bin/kavello-admin and build/bin/kavello-client from one."
  exit 0
fi
build/bin/kavello-admin &
build/bin/kavello-client &
wait
