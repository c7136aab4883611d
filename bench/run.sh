#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark of the build folder given as $1 (default: build), then
# times the command line as whole processes. Extra arguments go to each
# Google Benchmark executable (e.g. --benchmark_filter=YearView).
set -euo pipefail
build=${1:-build}
shift || true

for bench in "$build"/bench/*_bench; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench" "$@"
done

# `plenda agenda DATE` over a diary of 100,000 entries, as a terminal runs it:
# twenty runs, the fastest and the median wall time.
plenda="$build/src/app/plenda"
[ -x "$plenda" ] || exit 0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$build/bench/diary_bench" --make-diary "$tmp/Diary.db" 100000
times=()
for _ in $(seq 20); do
  start=$(date +%s%N)
  HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" LC_ALL=C \
    "$plenda" agenda 05/03/2010 --diary "$tmp/Diary.db" > /dev/null
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "== plenda agenda 05/03/2010 over 100,000 entries (20 runs)"
echo "fastest ${sorted[0]} us, median ${sorted[10]} us"

# The running window's CPU with the marquee at its default 25 ms, under Xvfb.
if command -v Xvfb > /dev/null; then
  echo "== marquee CPU (20 s under Xvfb)"
  bash "$(dirname "$0")/marquee-cpu.sh" "$build" 20 25 ON
fi

# `plenda export` and `plenda import` of the 100,000-entry diary, each a
# process of its own so that /usr/bin/time reports its own peak memory.
if [ -x /usr/bin/time ]; then
  echo "== plenda export and plenda import of 100,000 entries"
  HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" /usr/bin/time \
    -f "export: %e s wall, %U s user, %M KB peak" \
    "$plenda" export "$tmp/Diary.ics" --diary "$tmp/Diary.db"
  HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" /usr/bin/time \
    -f "import: %e s wall, %U s user, %M KB peak" \
    "$plenda" import "$tmp/Diary.ics" --diary "$tmp/Imported.db"
  # An independent reader beside it: Python's icalendar parsing the same file.
  /usr/bin/time -f "python3 icalendar parse: %e s wall, %U s user, %M KB peak" \
    /usr/bin/python3 -c 'import sys; from icalendar import Calendar
print(len(Calendar.from_ical(open(sys.argv[1], "rb").read()).walk("VEVENT")), "events")' \
    "$tmp/Diary.ics"
fi
