#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a Wayland desktop that offers XWayland, the calendar window starts on
# the X11 (xcb) platform, where it can keep itself on top and reopen where it
# was placed: a headless weston with XWayland, the window looked for on its
# X display.
#   window-starts-on-xwayland.sh PLENDA
set -euo pipefail

plenda=$1
scratch=$(mktemp -d)
cleanup() {
  [[ -n ${app_pid:-} ]] && kill -KILL "$app_pid" 2>/dev/null || true
  [[ -n ${weston_pid:-} ]] && kill "$weston_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/run LC_ALL=C.UTF-8
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$HOME/Documents"
chmod 700 "$XDG_RUNTIME_DIR"
# XWayland puts its socket there; an X server usually makes the folder.
mkdir -p /tmp/.X11-unix 2>/dev/null && chmod 1777 /tmp/.X11-unix 2>/dev/null || true

exec 3< <(exec weston --backend=headless-backend.so --xwayland --socket=wayland-plenda --idle-time=0 2>&1)
weston_pid=$!
display=
while read -r line <&3; do
  echo "$line" >>"$scratch/weston.log"
  if [[ $line =~ "xserver listening on display "(:[0-9]+) ]]; then
    display=${BASH_REMATCH[1]}
    break
  fi
done
[[ -n $display ]] || { echo "FAIL: weston offered no XWayland display"; cat "$scratch/weston.log"; exit 1; }

# A Wayland session as the desktop sets it up; the user chose no platform.
unset QT_QPA_PLATFORM
XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-plenda DISPLAY=$display \
  "$plenda" >"$scratch/plenda.log" 2>&1 &
app_pid=$!
# Blocks until the window is mapped on the X display (ctest bounds the wait).
window=$(DISPLAY=$display xdotool search --sync --onlyvisible --pid "$app_pid" | head -n1)
kill -0 "$app_pid" 2>/dev/null || { echo "FAIL: the window program ended"; cat "$scratch/plenda.log"; exit 1; }
echo "ok: window $window on XWayland display $display"
