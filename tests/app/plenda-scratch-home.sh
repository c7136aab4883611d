# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the window's desktop tests: a scratch home with its own settings
# folder and diary, removed on exit with the window and the bus monitor the
# test started (app_pid, monitor_pid).
scratch=$(mktemp -d)
cleanup() {
  [[ -n ${app_pid:-} ]] && kill -KILL "$app_pid" 2>/dev/null || true
  [[ -n ${monitor_pid:-} ]] && kill "$monitor_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config LC_ALL=C.UTF-8
mkdir -p "$XDG_CONFIG_HOME" "$HOME/Documents"
diary=$HOME/Documents/Diary.db
