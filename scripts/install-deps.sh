#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Plenda needs to build, run and test on Debian 12.
# Idempotent: does nothing when every package is already installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-multimedia-dev
  libqt6svg6 qt6-qpa-plugins
  libgl1-mesa-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  sqlite3 libsqlite3-dev libical-dev poppler-utils xvfb xauth xdotool x11-utils openbox python3
  python3-icalendar python3-dateutil python3-dbus python3-gi
  x11-apps imagemagick
  dbus dbus-bin dunst
  fonts-dejavu-core
  radicale qtkeychain-qt6-dev
  openssl
  # test only: a second CalDAV server the sync tests run against
  xandikos
)

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
