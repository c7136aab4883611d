// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "app/CommandLine.h"

class CSettingsStore;
class IClock;

// `sync [--url URL --user NAME] [--diary PATH]`: one two-way sync of the
// diary with the CalDAV calendar. A URL and user given are kept in the
// settings for next time; the password comes from PLENDA_CALDAV_PASSWORD or
// the keyring, never from the settings. Prints one line per direction; a
// failure goes to `err` with status 1 (2 for bad arguments).
int RunSyncCommand(const QStringList& arguments, CSettingsStore& settings, const IClock& clock,
                   const QString& documentsFolder, CommandStreams streams);

QString SyncCommandUsage();
