#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The calendar window with default settings (no marquee file) and a real
# notification server: an entry due six minutes from now reaches the server
# while the window is open, and an alarm whose quarter hour passed while
# Plenda was closed is told at the next start. Run it through
# with-private-desktop.sh --notifications, which gives it a session bus and dunst.
#   alarm-reaches-notifications.sh PLENDA
set -euo pipefail

plenda=$1
source "$(dirname "$0")/plenda-scratch-home.sh"
export QT_QPA_PLATFORM=offscreen

# Within six minutes of midnight the alarm moves to 24:00, the day's last.
minute_of_day=$((10#$(date +%H) * 60 + 10#$(date +%M)))
if ((minute_of_day >= 23 * 60 + 54)); then soon=2400; else soon=$(date -d '+6 min' +%H%M); fi
"$plenda" add "$(date +%d/%m/%Y)" "Dentist soon" --time "$soon" --diary "$diary" >/dev/null

dbus-monitor --session "interface='org.freedesktop.Notifications',member='Notify'" \
  >"$scratch/monitor.log" 2>/dev/null &
monitor_pid=$!
# It listens once it has told its own name.
for _ in $(seq 100); do grep -q NameAcquired "$scratch/monitor.log" && break; sleep 0.1; done

# Runs the window until the server has seen `text` or 20 seconds have passed.
run_until_notified() {
  local text=$1
  "$plenda" >"$scratch/plenda.log" 2>&1 &
  app_pid=$!
  for _ in $(seq 200); do
    grep -q "$text" "$scratch/monitor.log" && break
    sleep 0.1
  done
  kill -TERM "$app_pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$app_pid" 2>/dev/null || true
  app_pid=
  if ! grep -q "$text" "$scratch/monitor.log"; then
    echo "FAIL: no notification with '$text' reached the server"
    cat "$scratch/plenda.log"
    exit 1
  fi
  echo "ok: $text"
}

run_until_notified "string \"${soon:0:2}:${soon:2:2} Dentist soon\""

# An alarm at this very minute, last checked yesterday: its quarter hour
# passed while Plenda was closed.
((10#$(date +%H%M) == 0)) && sleep 60
now=$(date +%H%M)
"$plenda" add "$(date +%d/%m/%Y)" "Dentist missed" --time "$now" --diary "$diary" >/dev/null
ini=$XDG_CONFIG_HOME/Quenmor/Calendar.ini
sed -i "s/^LastAlarmCheck=.*/LastAlarmCheck=$(date -d yesterday +%Y-%m-%d) 23:00/" "$ini"
grep -q "^LastAlarmCheck=$(date -d yesterday +%Y-%m-%d)" "$ini" || { echo "FAIL: no LastAlarmCheck in $ini"; exit 1; }
run_until_notified "Missed: ${now:0:2}:${now:2:2} Dentist missed"
