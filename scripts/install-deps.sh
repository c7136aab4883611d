#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Plenda needs on Debian 12:
#   install-deps.sh run    building and running it (make run, make package)
#   install-deps.sh test   that, and what the tests add (make test, make sanitize, CI)
# Idempotent: does nothing when every package is already installed.
set -euo pipefail

# Building and running: nothing here may serve only the tests, since
# `make run` installs it on the user's own machine.
run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-multimedia-dev libqt6svg6
  libgl1-mesa-dev
  libsqlite3-dev libical-dev qtkeychain-qt6-dev
  qt6-wayland
  # lupdate and lrelease, their CMake functions, and Qt's own translations
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  fonts-dejavu-core
)

# What the tests, the benchmarks and the package checks add: real servers,
# virtual displays and window managers, independent readers of our files.
test_packages=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-qpa-plugins
  sqlite3 poppler-utils xvfb xauth xdotool x11-utils openbox python3
  python3-icalendar python3-dateutil
  x11-apps imagemagick
  dbus dbus-bin dunst
  radicale
  weston xwayland
  appstream desktop-file-utils lintian
  python3-dbus python3-gi openssl
  xandikos
  # the benchmarks: another CalDAV client beside the sync
  python3-caldav
)

case "${1:-test}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
