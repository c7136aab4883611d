// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "app/CommandStreams.h"

struct DiaryCommandContext;

// `export` and `import`.
bool IsCalendarFileCommand(const QString& name);

// Runs one of them; `arguments` follow its name. `--diary PATH` uses that
// file for this command alone. Bad arguments give status 2; a file or diary
// that cannot be used status 1, with the reason (the file and line of a
// damaged calendar) on `err`, and the diary as it was.
//   export [FILE]            the whole diary as one iCalendar file; standard
//                            output without FILE or with '-'
//   import FILE [--holiday]  adds the file's events ('-' reads standard
//                            input) and prints one summary line
int RunCalendarFileCommand(const QString& name, const QStringList& arguments,
                           const DiaryCommandContext& context, CommandStreams streams);

QString CalendarFileCommandsUsage();
