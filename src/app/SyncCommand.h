// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "app/CommandLine.h"

class CSettingsStore;
class IClock;

// `sync [--url URL --user NAME] [--password-stdin] [--diary PATH]`: one
// two-way sync of the diary with the CalDAV calendar. A URL and user given
// are kept in the settings for next time; the password never is (see
// CommandPassword). A --diary file that does not exist yet is created. Prints one line per
// direction; a failure goes to `err` with status 1 (2 for bad arguments).
int RunSyncCommand(const QStringList& arguments, CSettingsStore& settings, const IClock& clock,
                   const QString& documentsFolder, CommandStreams streams);

// Defined apart from the command, so that plenda's help names it without
// linking the sync.
QString SyncCommandUsage();
// plenda-sync's main: argv as `plenda sync ...` was given.
int RunSyncProgram(int argc, char* argv[]);
