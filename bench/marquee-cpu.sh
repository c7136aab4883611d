#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The CPU the running calendar window uses with the marquee on, under Xvfb:
# utime + stime from /proc/PID/stat over a measured interval, as a
# percentage of one core. Usage: bench/marquee-cpu.sh [BUILD_DIR] [SECONDS] [MARQUEE_MS] [ON|OFF]
set -euo pipefail
build=${1:-build}
seconds=${2:-20}
interval=${3:-25}
state=${4:-ON}
display=:$((90 + RANDOM % 100))
home=$(mktemp -d)
trap 'kill "$app" "$xvfb" 2>/dev/null || true; rm -rf "$home"' EXIT

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
mkdir -p "$home/.config/Quenmor" "$home/Documents"
marquee_on=True
[ "$state" = OFF ] && marquee_on=False
cat >"$home/.config/Quenmor/Calendar.ini" <<INI
[Settings]
MarqueeOn=$marquee_on
MarqueeSecs=$interval
MarqueeMess=Spring sale at Acme Hardware: 20% off all desk lamps this week
INI
HOME=$home XDG_CONFIG_HOME=$home/.config DISPLAY=$display QT_QPA_PLATFORM=xcb \
    "$build/src/app/plenda" >/dev/null 2>&1 &
app=$!
sleep 3  # start-up is not part of the measurement

ticks() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$seconds"
after=$(ticks)
awk -v b="$before" -v a="$after" -v hz="$hz" -v s="$seconds" -v ms="$interval" -v st="$state" \
    'BEGIN { printf "marquee %s at %d ms: %.2f s CPU over %d s = %.2f%% of one core\n", st, ms, (a - b) / hz, s, 100 * (a - b) / hz / s }'
