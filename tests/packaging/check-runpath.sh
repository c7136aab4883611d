#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# No program may make the loader search the current folder: a RUNPATH or
# RPATH entry that is empty (colons alone) or a relative path would load,
# say, a libsqlite3.so.0 lying in the folder the user runs plenda from.
#   check-runpath.sh PROGRAM...
set -euo pipefail
status=0
for program in "$@"; do
  [[ -f $program ]] || { echo "FAIL: no program $program"; status=1; continue; }
  while read -r paths; do
    # Colons around every entry make an empty one show as "::".
    if [[ ":$paths:" == *::* ]]; then
      echo "FAIL: $program has an empty RUNPATH entry: [$paths]"; status=1
    fi
    for entry in ${paths//:/ }; do
      [[ $entry == /* || $entry == '$ORIGIN'* ]] ||
        { echo "FAIL: $program has the relative RUNPATH entry $entry"; status=1; }
    done
  done < <(readelf -d "$program" | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]$/\2/p')
done
((status)) || echo "ok: no empty or relative RUNPATH in $*"
exit $status
