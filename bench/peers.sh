#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plenda beside Remind, whole processes on the same entries, in one run:
# start-up alone (`plenda cal` against Remind on an empty file) and a day's
# agenda over 10,000 and 100,000 entries. Prints each median and Plenda's
# time over Remind's.
#   bash bench/peers.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-11}
plenda="$build/src/app/plenda"
maker="$build/bench/diary_bench"
for program in "$plenda" "$maker"; do
  [ -x "$program" ] || { echo "peers.sh: build $program first" >&2; exit 2; }
done

# Remind and hyperfine serve this comparison only; the tests need neither.
missing=()
command -v remind > /dev/null || missing+=(remind)
command -v hyperfine > /dev/null || missing+=(hyperfine)
if [ ${#missing[@]} -gt 0 ]; then
  as_root=()
  [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# A settings folder of its own, so no run reads or writes the user's.
export HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" LC_ALL=C
: > "$tmp/empty.rem"
for count in 10000 100000; do
  mkdir -p "$tmp/$count"
  "$maker" --make-peers "$tmp/$count" "$count"
done

# 5 May 2010 reads the same in every day order.
day_plenda=05/05/2010
day_remind=2010-05-05

# Both must find the same entries, or the comparison is not like for like.
for count in 10000 100000; do
  ours=$("$plenda" agenda "$day_plenda" --diary "$tmp/$count/Diary.db" | grep -c 'Diary entry' || true)
  theirs=$(remind -q "$tmp/$count/entries.rem" "$day_remind" | grep -c 'Diary entry' || true)
  if [ "$ours" != "$theirs" ]; then
    echo "peers.sh: over $count entries Plenda finds $ours messages, Remind $theirs" >&2
    exit 1
  fi
  echo "over $count entries both find $ours messages on $day_remind"
done

hyperfine -N --warmup 3 --runs "$runs" --style none --export-json "$tmp/times.json" \
  -n "plenda cal" "$plenda cal 5 2010" \
  -n "remind, empty file" "remind -q $tmp/empty.rem $day_remind" \
  -n "plenda agenda, 10,000" "$plenda agenda $day_plenda --diary $tmp/10000/Diary.db" \
  -n "remind, 10,000" "remind -q $tmp/10000/entries.rem $day_remind" \
  -n "plenda agenda, 100,000" "$plenda agenda $day_plenda --diary $tmp/100000/Diary.db" \
  -n "remind, 100,000" "remind -q $tmp/100000/entries.rem $day_remind" > /dev/null

/usr/bin/python3 - "$tmp/times.json" "$runs" << 'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
print(f"medians of {sys.argv[2]} runs, wall time of the whole process")
print(f"{'':26}{'plenda':>10}{'remind':>10}{'ratio':>8}")
names = ["cal-like start-up", "agenda, 10,000 entries", "agenda, 100,000 entries"]
for name, ours, theirs in zip(names, results[0::2], results[1::2]):
    a, b = ours["median"] * 1000, theirs["median"] * 1000
    print(f"{name:26}{a:8.1f}ms{b:8.1f}ms{a / b:7.2f}x")
PY
