// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "app/CommandStreams.h"

class CSettingsStore;

// The command-line front end. Subcommands reuse the core; errors go to
// `err` with a non-zero status (2 for bad arguments).
int RunPlenda(int argc, char* argv[]);
int RunCommand(const QStringList& arguments, CommandStreams streams);
QString UsageText();
// A settings file with a line that cannot be read is told once, on `err`.
void ReportSettingsProblem(const CSettingsStore& store, QTextStream& err);
