#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package as a distribution would: unpacked into a scratch
# root, its metadata validated by the desktop's own tools, its programs run
# from there, its dependencies the runtime libraries alone, lintian content.
#   check-package.sh PLENDA.deb
set -euo pipefail

deb=$1
here=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
usr=$root/usr
fail() { echo "FAIL: $*"; exit 1; }

appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml
desktop-file-validate "$usr/share/applications/plenda.desktop" && echo "ok: desktop entry valid"
for size in 16 32 48 64 128 256; do
  [[ -f $usr/share/icons/hicolor/${size}x$size/apps/plenda.png ]] || fail "no ${size}x$size icon"
done

export HOME=$root/home XDG_CONFIG_HOME=$root/config
cal=$("$usr/bin/plenda" cal 5 2009)
[[ $cal == "$(cat "$here/../data/month-2009-05.txt")" ]] || fail "plenda cal 5 2009 printed: $cal"
echo "ok: plenda cal"
for language in de fr; do
  [[ -s $usr/share/plenda/translations/plenda_$language.qm ]] || fail "no $language translation"
done
cal=$(LANG=de_DE.UTF-8 "$usr/bin/plenda" cal 3 2026 --monday)
[[ $cal == "$(cat "$here/../data/month-2026-03-de.txt")" ]] || fail "German plenda cal printed: $cal"
echo "ok: translations packaged, plenda cal speaks German"
# The packaged plenda finds the packaged window program, which answers print.
set +e
said=$("$usr/bin/plenda" print 2>&1)
status=$?
set -e
[[ $status == 2 && $said == *"plenda print: give the output file"* ]] ||
  fail "plenda did not reach its window program ($status): $said"
echo "ok: plenda-window found from bin"

bash "$here/check-runpath.sh" "$usr/bin/plenda" "$usr"/libexec/*

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
[[ -n $depends ]] || fail "no Depends"
# Build and test packages have no place on a user's machine.
if grep -Eo '(^|, )[^ ,]*(-dev|gtest|gmock|benchmark|dunst|radicale|xvfb|openbox|weston)[^ ,]*' <<<"$depends"; then
  fail "Depends names a build or test package"
fi

# Qt's own translations give the standard buttons the interface's language.
[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-translations-l10n* ]] || fail "Qt's translations not recommended"

lintian --fail-on error "$deb" && echo "ok: lintian reports no error"
