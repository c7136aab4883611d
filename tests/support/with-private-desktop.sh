#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a private X display (Xvfb), with what the test needs
# of a real desktop beside it:
#   --window-manager  openbox, for frames, their margins and where windows go
#                     (the program then draws on the display, not offscreen);
#   --notifications   a private session bus with dunst as notification server.
# Exits 77 (skipped) only when --notifications is asked for and no session bus
# can be started here.
#   with-private-desktop.sh [--window-manager] [--notifications] PROGRAM [ARGS...]
set -euo pipefail

window_manager=false notifications=false
while [[ ${1:-} == --* ]]; do
  case $1 in
    --window-manager) window_manager=true ;;
    --notifications) notifications=true ;;
    --inside) notifications=inside ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
  shift
done

if [[ $notifications == true ]]; then
  if ! command -v dbus-run-session >/dev/null || ! dbus-run-session -- true >/dev/null 2>&1; then
    echo "SKIPPED: no D-Bus session bus can be started here (dbus-run-session failed)"
    exit 77
  fi
  flags=(--inside)
  $window_manager && flags+=(--window-manager)
  exec dbus-run-session -- bash "$0" "${flags[@]}" "$@"
fi

scratch=$(mktemp -d)
cleanup() {
  for pid in ${dunst_pid:-} ${openbox_pid:-} ${xvfb_pid:-}; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# Waits until the command succeeds, for as long as the process PID runs:
# a loaded machine may take its time, a dead server never answers.
wait_for() {
  local pid=$1
  shift
  until "$@" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
}

# Xvfb picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
# The display counts once a client is served on it, not when its number is
# first written, so nothing started next finds it not yet answering.
wait_for "$xvfb_pid" bash -c 'DISPLAY=:$(head -n1 "$1") xdpyinfo' _ "$scratch/display" ||
  { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n1 "$scratch/display")

# A running manager names itself on the root window.
start_openbox() {
  openbox --sm-disable >>"$scratch/openbox.log" 2>&1 &
  openbox_pid=$!
  wait_for "$openbox_pid" bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

if $window_manager; then
  # On a loaded machine openbox has been seen to fail to open a display that
  # had just served xdpyinfo; it gets three starts before the test fails.
  for attempt in 1 2 3; do
    start_openbox && break
    ((attempt < 3)) && continue
    echo "openbox did not come up"
    cat "$scratch/openbox.log"
    xdpyinfo >/dev/null 2>&1 && echo "(the display still answers)" || echo "(the display no longer answers)"
    exit 1
  done
  export QT_QPA_PLATFORM=xcb
fi

if [[ $notifications == inside ]]; then
  # The user's own dunst settings stay out of the test.
  XDG_CONFIG_HOME=$scratch dunst >"$scratch/dunst.log" 2>&1 &
  dunst_pid=$!
  wait_for "$dunst_pid" bash -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner \
    string:org.freedesktop.Notifications | grep -q "boolean true"' || true
fi

"$@"
