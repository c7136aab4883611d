// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "app/CommandStreams.h"

class CSettingsStore;

// The command-line front end. Subcommands reuse the core; errors go to
// `err` with a non-zero status (2 for bad arguments). The window and `print`
// are handed to the window program, `sync` to the sync program.
int RunPlenda(int argc, char* argv[]);
// A terminal command (argv[1] and on) with a core application only.
int RunTerminalCommand(int argc, char* argv[]);
int RunCommand(const QStringList& arguments, CommandStreams streams);
QString UsageText();
// A settings file with a line that cannot be read is told once, on `err`.
void ReportSettingsProblem(const CSettingsStore& store, QTextStream& err);
// `status`, or a failure told on `err` when a setting the command wrote did not reach disk.
int WithSettingsSaved(const CSettingsStore& store, int status, QTextStream& err);
