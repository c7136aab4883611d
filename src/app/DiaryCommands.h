// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>

#include "app/CommandStreams.h"

class CSettingsStore;
class IClock;
class IDateOrder;

// What the diary subcommands work with; the tests hand in their own.
struct DiaryCommandContext {
    CSettingsStore& settings;
    const IDateOrder& dateOrder;
    const IClock& clock;
    // Where the default diary lies when DiaryName is empty.
    QString documentsFolder;
};

// The diary file a command works on: `diaryPath` (--diary), or the one
// start-up would use. Reading never creates a --diary file nor records the
// default diary in the settings; `mayCreate` lets a command that adds entries
// do both. Nothing, with the reason on `err`,
// when the file cannot be used.
std::optional<QString> CommandDiaryPath(const DiaryCommandContext& context,
                                        const QString& diaryPath, bool mayCreate, QTextStream& err);

// `agenda`, `list` and `add`.
bool IsDiaryCommand(const QString& name);

// Runs one diary subcommand; `arguments` follow its name. `--diary PATH` uses
// that file for this command alone. Bad arguments give status 2; a refused
// entry or an unusable diary status 1, with the reason on `err`.
//   agenda [DATE]   the day's messages, one per line (today without DATE)
//   list [DATE]     the entries falling on the day (all without DATE), by date
//   add DATE MESSAGE [--time HHMM] [--holiday] [--tune PATH]
int RunDiaryCommand(const QString& name, const QStringList& arguments,
                    const DiaryCommandContext& context, CommandStreams streams);

QString DiaryCommandsUsage();
