#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the calendar for the first time on a virtual X display and checks,
# with a scripted pointer, that the window opens without menu and title bar
# and that dragging it by empty calendar space moves it.
#   scripts/xvfb-drag-check.sh [path/to/plenda] [screenshot.png]
set -euo pipefail

plenda=${1:-build/src/app/plenda}
shot=${2:-}
scratch=$(mktemp -d)
cleanup() {
  [[ -n ${app_pid:-} ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $scratch/display ]] && break; sleep 0.1; done
[[ -s $scratch/display ]] || { echo "FAIL: Xvfb did not start"; exit 1; }
display=:$(head -n1 "$scratch/display")

# A fresh home: no settings, so this is a first start.
export DISPLAY=$display HOME=$scratch XDG_CONFIG_HOME=$scratch/config QT_QPA_PLATFORM=xcb
# Only the diary's place is given, so no file dialog stands in the way;
# every window setting is missing, as on a first start.
mkdir -p "$XDG_CONFIG_HOME/Quenmor"
touch "$scratch/Diary.db"
printf '[Settings]\nDiaryName=%s\n' "$scratch/Diary.db" >"$XDG_CONFIG_HOME/Quenmor/Calendar.ini"
"$plenda" >"$scratch/plenda.log" 2>&1 &
app_pid=$!

xdotool search --sync --onlyvisible --pid "$app_pid" >/dev/null
sleep 1
# The main window is the largest one the program shows.
window=$(for w in $(xdotool search --onlyvisible --pid "$app_pid"); do
  xwininfo -id "$w" | awk -v w="$w" '/Width:/ {x=$2} /Height:/ {y=$2} END {print x*y, w}'
done | sort -n | tail -n1 | cut -d' ' -f2)
geometry() { xdotool getwindowgeometry "$window" | awk '/Position/ {print $2}' | tr ',' ' '; }
read -r x0 y0 < <(geometry)

hints=$(xprop -id "$window" _MOTIF_WM_HINTS 2>/dev/null || true)
[[ -n $shot ]] && import -display "$display" -window root "$shot"
xdotool search --pid "$app_pid" 2>/dev/null | while read -r w; do echo "window $w: $(xdotool getwindowname "$w") $(xdotool getwindowgeometry "$w" | tr "\n" " ")"; done
settings=$(cat "$XDG_CONFIG_HOME"/Quenmor/Calendar.ini 2>/dev/null || true)
echo "window $window at $x0,$y0"
echo "motif hints: $hints"
grep -q '^Menu=False' <<<"$settings" || { echo "FAIL: Menu not written False on first start"; exit 1; }
# Qt marks a frameless window with decorations 0 (the third field of the hints).
awk -F', ' '{ exit !($3 == "0x0") }' <<<"${hints#*= }" || { echo "FAIL: window has a title bar"; exit 1; }
[[ -n $shot ]] && import -display "$display" -window root "$shot"

# Press 4 pixels inside the top-left corner: the page is centred, so this is empty space.
xdotool mousemove --sync $((x0 + 4)) $((y0 + 4)) mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove --sync $((x0 + 4 + 12 * step)) $((y0 + 4 + 8 * step)); done
xdotool mouseup 1
sleep 0.5
read -r x1 y1 < <(geometry)
echo "after drag: $x1,$y1"
if (( x1 - x0 == 60 && y1 - y0 == 40 )); then
  echo "PASS: dragged by 60,40"
else
  echo "FAIL: expected a move of 60,40, got $((x1 - x0)),$((y1 - y0))"
  exit 1
fi
