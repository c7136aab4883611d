#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a private session bus beside a real notification
# server: dunst on a virtual X display. Exits 77 (skipped) only when no
# session bus can be started here.
#   with-notification-server.sh PROGRAM [ARGS...]
set -euo pipefail

if [[ ${1:-} != --inside ]]; then
  if ! command -v dbus-run-session >/dev/null || ! dbus-run-session -- true >/dev/null 2>&1; then
    echo "SKIPPED: no D-Bus session bus can be started here (dbus-run-session failed)"
    exit 77
  fi
  exec dbus-run-session -- bash "$0" --inside "$@"
fi
shift

scratch=$(mktemp -d)
cleanup() {
  [[ -n ${dunst_pid:-} ]] && kill "$dunst_pid" 2>/dev/null || true
  [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $scratch/display ]] && break; sleep 0.1; done
[[ -s $scratch/display ]] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n1 "$scratch/display")

# The user's own dunst settings stay out of the test.
XDG_CONFIG_HOME=$scratch dunst >"$scratch/dunst.log" 2>&1 &
dunst_pid=$!
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null |
    grep -q 'boolean true' && break
  sleep 0.1
done

"$@"
