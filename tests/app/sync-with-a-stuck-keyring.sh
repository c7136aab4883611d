#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `plenda sync` where the keyring takes the request and never answers (a
# KWallet that does not open its wallet): the sync gives up after the
# keyring's time limit, says so, and fails, instead of waiting for ever.
# Runs on a private session bus (dbus-run-session) of its own.
#   sync-with-a-stuck-keyring.sh PLENDA STUCK_KWALLET_SCRIPT
set -euo pipefail
plenda=$1 wallet=$2
scratch=$(mktemp -d)
cleanup() {
  [[ -n ${wallet_pid:-} ]] && kill "$wallet_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config LC_ALL=C XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
unset PLENDA_CALDAV_PASSWORD

/usr/bin/python3 "$wallet" >"$scratch/wallet.log" 2>&1 &
wallet_pid=$!
for _ in $(seq 100); do grep -q ready "$scratch/wallet.log" && break; sleep 0.1; done
grep -q ready "$scratch/wallet.log" || { echo "the stuck wallet did not start"; cat "$scratch/wallet.log"; exit 1; }

status=0
said=$(timeout 30 "$plenda" sync --url http://127.0.0.1:1/cal/ --user bob </dev/null 2>&1) || status=$?
echo "$said (status $status)"
[[ $status == 1 ]] && grep -q "The keyring did not answer within 5 seconds" <<<"$said"
