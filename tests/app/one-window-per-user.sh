#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The calendar window under openbox with dunst as notification server: the
# window's class is the desktop entry's; a second start brings the running
# window forward and leaves one window; restarts within an alarm's quarter
# hour tell it once in all; a click on an alarm's notification brings back the
# minimised window. Run it through
# with-private-desktop.sh --window-manager --notifications.
#   one-window-per-user.sh PLENDA
set -euo pipefail

plenda=$1
source "$(dirname "$0")/plenda-scratch-home.sh"

fail() {
  echo "FAIL: $*"
  cat "$scratch/plenda.log" 2>/dev/null || true
  exit 1
}
# Waits up to twenty seconds for the command to succeed.
wait_for() {
  for _ in $(seq 200); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}
# An alarm `minutes` from now; near midnight it moves to 24:00, the day's last.
add_alarm() {
  local minutes=$1 message=$2 time
  if (($(date +%H%M) >= 2350)); then time=2400; else time=$(date -d "+$minutes min" +%H%M); fi
  "$plenda" add "$(date +%d/%m/%Y)" "$message" --time "$time" --diary "$diary" >/dev/null
}
# Notifications whose body ends in the message: due, or missed across midnight.
notified() { grep -c "string \".* $1\"" "$scratch/monitor.log" || true; }
is_notified() { (($(notified "$1") >= 1)); }
# The visible windows of class plenda: the calendar, and the boxes it shows
# (the day's messages at start, the alarms) before or over it.
windows() { xdotool search --onlyvisible --class '^plenda$' 2>/dev/null || true; }
is_dialog() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG; }
frames() {
  local id
  for id in $(windows); do is_dialog "$id" || echo "$id"; done
}
has_window() { [[ -n $(windows) ]]; }
has_frame() { [[ -n $(frames) ]]; }
# Answers each box with OK (its default button) until the calendar shows alone.
dismiss_boxes() {
  local id
  for _ in $(seq 20); do
    for id in $(windows); do
      is_dialog "$id" && xdotool windowactivate --sync "$id" key --clearmodifiers Return 2>/dev/null
    done
    [[ -n $(frames) && $(windows | wc -l) == 1 ]] && return 0
    sleep 0.5
  done
  return 1
}
start_window() {
  "$plenda" >>"$scratch/plenda.log" 2>&1 &
  app_pid=$!
  wait_for has_window || fail "no calendar window came up"
}
stop_window() {
  kill -TERM "$app_pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$app_pid" 2>/dev/null || true
  app_pid=
}

dbus-monitor --session "interface='org.freedesktop.Notifications',member='Notify'" \
  >"$scratch/monitor.log" 2>/dev/null &
monitor_pid=$!
# It listens once it has told its own name.
for _ in $(seq 100); do grep -q NameAcquired "$scratch/monitor.log" && break; sleep 0.1; done

add_alarm 6 "Dentist soon"
start_window
wait_for is_notified 'Dentist soon' || fail "the alarm never reached the server"
window=$(windows | head -n1)
xprop -id "$window" WM_CLASS | grep -q '= "plenda", "plenda"' ||
  fail "window class: $(xprop -id "$window" WM_CLASS)"
echo "ok: the window's class is plenda"

for _ in 1 2; do
  stop_window
  start_window
  sleep 3
done
[[ $(notified 'Dentist soon') == 1 ]] || fail "$(notified 'Dentist soon') notifications of one alarm after two restarts"
echo "ok: two restarts within the quarter hour, one notification in all"

# A fresh alarm of this window's own, its notification the only one shown.
stop_window
dunstctl close-all
add_alarm 7 "Walk soon"
start_window
wait_for is_notified 'Walk soon' || fail "the second alarm never reached the server"
dismiss_boxes || fail "the boxes did not close"
timeout 20 "$plenda" >"$scratch/second.log" 2>&1 || fail "a second start failed: $(cat "$scratch/second.log")"
grep -q "already open" "$scratch/second.log" || fail "a second start said: $(cat "$scratch/second.log")"
sleep 1
[[ $(windows | wc -l) == 1 ]] || fail "$(windows | wc -l) windows after a second start"
echo "ok: a second start leaves one window"

frame=$(frames)
xdotool windowminimize "$frame"
wait_for bash -c "xprop -id $frame WM_STATE | grep -q Iconic" || fail "the window did not minimise"
dunstctl action 0
wait_for bash -c "xprop -id $frame WM_STATE | grep -q Normal" ||
  fail "a click on the notification left the window $(xprop -id "$frame" WM_STATE | tail -n1)"
echo "ok: a click on the notification brings back the minimised window"
