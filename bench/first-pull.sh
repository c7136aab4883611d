#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The first pull of N events from a Radicale on loopback into a new diary,
# beside python-caldav reading the same calendar (Debian's python3-caldav).
# Usage: bash bench/first-pull.sh BUILD_DIR [EVENTS]
set -euo pipefail
build=${1:?build folder}
events=${2:-2000}
plenda=$(realpath "$build/src/app/plenda")
scratch=$(mktemp -d)
trap 'kill $server 2>/dev/null || true; rm -rf "$scratch"' EXIT
port=$((20000 + RANDOM % 20000))
calendar="$scratch/collections/collection-root/alice/cal"
mkdir -p "$calendar"
echo 'alice:secret' >"$scratch/users"
echo '{"C:supported-calendar-component-set": "VEVENT", "tag": "VCALENDAR"}' >"$calendar/.Radicale.props"
for ((i = 0; i < events; i++)); do
  day=$(date -d "2027-01-01 +$((i % 700)) days" +%Y%m%d)
  printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\nBEGIN:VEVENT\r\nUID:ev%d@bench\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:%s\r\nSUMMARY:Event %d\r\nDESCRIPTION:Written by another program\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' \
    "$i" "$day" "$i" >"$calendar/ev$i.ics"
done
cat >"$scratch/config" <<CONF
[server]
hosts = 127.0.0.1:$port
[auth]
type = htpasswd
htpasswd_filename = $scratch/users
htpasswd_encryption = plain
delay = 0
[rights]
type = owner_only
[storage]
filesystem_folder = $scratch/collections
[logging]
level = warning
CONF
/usr/bin/python3 -m radicale --config "$scratch/config" &
server=$!
for _ in $(seq 100); do
  /usr/bin/python3 -c "import socket; socket.create_connection(('127.0.0.1', $port))" 2>/dev/null && break
  sleep 0.1
done
url="http://127.0.0.1:$port/alice/cal/"
# One untimed listing warms Radicale's cache for both readers alike.
/usr/bin/python3 -c "import caldav; caldav.Calendar(client=caldav.DAVClient('$url', username='alice', password='secret'), url='$url').events()"
export XDG_CONFIG_HOME="$scratch/config-home"
echo "plenda sync, first pull of $events events into a new diary:"
PLENDA_CALDAV_PASSWORD=secret /usr/bin/time -f '  %e s wall, %U s user, %M KB' \
  "$plenda" sync --url "$url" --user alice --diary "$scratch/new.db"
echo "python-caldav, every event of the calendar with its text:"
/usr/bin/time -f '  %e s wall, %U s user, %M KB' /usr/bin/python3 -c "
import caldav
client = caldav.DAVClient('$url', username='alice', password='secret')
events = caldav.Calendar(client=client, url='$url').events()
print('  %d events, %d bytes' % (len(events), sum(len(e.data) for e in events)))"
