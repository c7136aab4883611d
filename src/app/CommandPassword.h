// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the sync command finds the CalDAV password, the first that has one:
// PLENDA_CALDAV_PASSWORD, one line of standard input (`fromStdin`, for
// scripts), the keyring, and a question on the terminal typed without echo.
// Empty with `error` set when none gave one.
QString CommandPassword(const QString& account, bool fromStdin, QString* error);
