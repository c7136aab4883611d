#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes screenshots of the real calendar window under Xvfb into docs/:
# the month page, the year view and the picture, over a diary with entries
# and holidays, with today marked; and an alarm, its box over the window and
# its desktop notification. Needs xvfb-run, xwd, ImageMagick,
# dbus-run-session and dunst.
#   bash scripts/take-screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
plenda="$PWD/$build/src/app/plenda"
out="$PWD/docs"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out" "$work/home/Documents" "$work/config/Quenmor"

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" LC_ALL=C.UTF-8
diary="$work/home/Documents/Diary.db"
year=$(date +%Y)
month=$(date +%m)
# Entries of this month, typed day/month/year as the C locale orders dates.
"$plenda" add "01/$month/$year" "Pay the rent" --diary "$diary" > /dev/null
"$plenda" add "14/$month/$year" "Book club at eight" --diary "$diary" > /dev/null
"$plenda" add "19/$month/$year" "Town festival" --holiday --diary "$diary" > /dev/null
"$plenda" add "19/$month/$year" "Bake a cake for the stall" --diary "$diary" > /dev/null
"$plenda" add "25/$month/$year" "Holiday" --holiday --diary "$diary" > /dev/null
"$plenda" add "28/**/****" "Water the plants" --diary "$diary" > /dev/null

# One shot: settings as given, the window at WxH, the grab cropped to it.
shoot() {
  local name=$1 width=$2 height=$3 settings=$4
  printf '[Settings]\nDiaryName=%s\nMarqueeOn=False\nUseInternet=False\n%b' \
    "$diary" "$settings" > "$work/config/Quenmor/Calendar.ini"
  printf '[Window%%20size]\nRect=0000 0000 %04d %04d\nicon=0\nmax=0\n' "$width" "$height" \
    >> "$work/config/Quenmor/Calendar.ini"
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
    '$plenda' & pid=\$!
    sleep 3
    xwd -root -silent > '$work/$name.xwd'
    kill -TERM \$pid; wait \$pid"
  convert "xwd:$work/$name.xwd" -crop "${width}x${height}+0+0" +repage "$out/$name.png"
  echo "docs/$name.png"
}

shoot month 490 390 'FontSize=-15\n'
shoot year 1000 760 'FontSize=-13\nYearView=True\n'
shoot picture 557 405 'FontSize=-15\nShowPicture=True\n'

# An alarm notification: an entry whose quarter hour opens a minute after
# the start, with a notification server (dunst) on a private session bus.
# Return dismisses the start-up box of today's messages; the minute check
# then brings the alarm.
shoot_alarm() {
  printf '[Settings]\nDiaryName=%s\nMarqueeOn=False\nUseInternet=False\nFontSize=-15\n' \
    "$diary" > "$work/config/Quenmor/Calendar.ini"
  printf '[Window%%20size]\nRect=0000 0000 0490 0390\nicon=0\nmax=0\n' \
    >> "$work/config/Quenmor/Calendar.ini"
  "$plenda" add "$(date +%d/%m/%Y)" "Dentist" --time "$(date -d '+15 min' +%H%M)" \
    --diary "$diary" > /dev/null
  mkdir -p "$work/dunst"
  xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c "
    XDG_CONFIG_HOME='$work/dunst' dunst & dunst_pid=\$!
    sleep 1
    '$plenda' & pid=\$!
    sleep 3
    xdotool key Return
    sleep 62
    xwd -root -silent > '$work/alarm.xwd'
    kill -TERM \$pid; sleep 1; kill -KILL \$pid 2>/dev/null; kill \$dunst_pid; wait"
  convert "xwd:$work/alarm.xwd" -crop 340x100+940+45 +repage "$out/alarm.png"
  echo "docs/alarm.png"
}

shoot_alarm
