#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a virtual X display: adds a diary entry through the Diary Entry dialog
# (Alt+D), closes the calendar, starts it again and checks that the day is
# marked, by the diary-entry background colour on the screen.
#   scripts/xvfb-diary-entry-check.sh [path/to/plenda] [shots-prefix]
set -euo pipefail

plenda=${1:-build/src/app/plenda}
shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
display=:$((190 + RANDOM % 100))
scratch=$(mktemp -d)
cleanup() {
  [[ -n ${app_pid:-} ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

# Day first, so that the typed date below reads as day, month, year.
export DISPLAY=$display HOME=$scratch XDG_CONFIG_HOME=$scratch/config QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME/Quenmor"
touch "$scratch/Diary.db"
# A colour nothing else on the page uses marks the days with entries.
marked=FF00FF
printf '[Settings]\nDiaryName=%s\nDiaryEntryBackgroundColor=%d\n' "$scratch/Diary.db" $((0xFF00FF)) \
  >"$XDG_CONFIG_HOME/Quenmor/Calendar.ini"

start_plenda() {
  LANG=en_GB.UTF-8 LC_ALL=en_GB.UTF-8 "$plenda" >>"$scratch/plenda.log" 2>&1 &
  app_pid=$!
  timeout 20 xdotool search --sync --onlyvisible --pid "$app_pid" >/dev/null
  sleep 1.5
  window=$(xdotool search --onlyvisible --pid "$app_pid" | head -n1)
}
stop_plenda() {
  kill -TERM "$app_pid"
  wait "$app_pid" || true
  app_pid=
}
marked_pixels() {
  xwd -root -silent | python3 "$here/screen-colour.py" "$marked" ${1:+"$1"}
}

# A day of this month that is not today, so that its cell takes the entry colours.
day=15
[[ $(date +%d) == 15 ]] && day=16
typed="$day/$(date +%m/%Y)"
key="$day$(date +%m%Y)"

start_plenda
before=$(marked_pixels ${shots:+"${shots}-before.png"})
xdotool mousemove --sync 1 1
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+d
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Diary Entry$' | head -n1)
sleep 0.5
# The date edit has the focus; the message edit is next, then OK after the
# tune edit, the holiday box and Browse (the navigation buttons are hidden).
xdotool key --window "$dialog" ctrl+a
xdotool type --window "$dialog" --delay 30 "$typed"
xdotool key --window "$dialog" Tab
xdotool type --window "$dialog" --delay 30 "Xvfb dentist"
[[ -n $shots ]] && marked_pixels "${shots}-dialog.png" >/dev/null
xdotool key --window "$dialog" Tab Tab Tab Tab space
sleep 1
stop_plenda

stored=$(sqlite3 "$scratch/Diary.db" "SELECT EventDate || ' ' || EventDescription FROM Diary")
echo "stored: $stored"
[[ $stored == "$key Xvfb dentist" ]] || { echo "FAIL: expected '$key Xvfb dentist' in the diary"; cat "$scratch/plenda.log"; exit 1; }

start_plenda
after=$(marked_pixels ${shots:+"${shots}-after.png"})
stop_plenda
echo "pixels in the entry colour: before $before, after the restart $after"
if (( before == 0 && after > 0 )); then
  echo "PASS: the day of the new entry is marked after a restart"
else
  echo "FAIL: the day is not marked"
  exit 1
fi
