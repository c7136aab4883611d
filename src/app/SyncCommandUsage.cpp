// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SyncCommand.h"

QString SyncCommandUsage() {
    return QStringLiteral(
        "  sync [--url URL --user NAME] [--ca-file PATH] [--password-stdin]\n"
        "                     synchronise the diary both ways with a CalDAV calendar; the URL\n"
        "                     and user are kept for next time, the password is read from\n"
        "                     PLENDA_CALDAV_PASSWORD, one line of standard input with\n"
        "                     --password-stdin, the keyring, or asked on the terminal;\n"
        "                     --ca-file trusts the certificate authorities in PATH (kept)\n");
}
