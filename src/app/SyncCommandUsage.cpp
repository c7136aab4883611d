// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SyncCommand.h"

#include <QCoreApplication>

QString SyncCommandUsage() {
    return QCoreApplication::translate(
        "SyncCommand",
        "  sync [--url URL --user NAME] [--calendar NAME] [--list] [--ca-file PATH]\n"
        "       [--password-stdin]\n"
        "                     synchronise the diary both ways with a CalDAV calendar; the URL\n"
        "                     (any address of the server) and user are kept for next time, the\n"
        "                     password is read from PLENDA_CALDAV_PASSWORD, one line of\n"
        "                     standard input with --password-stdin, the keyring, or asked on\n"
        "                     the terminal; --calendar chooses among several calendars, --list\n"
        "                     lists them; --ca-file trusts the certificate authorities in PATH\n"
        "                     (kept); exit status 3 when the server refused some writes\n");
}
