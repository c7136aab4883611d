// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include "interop/CalendarExport.h"
#include "interop/CalendarImport.h"

class CDiaryDatabase;
class QIODevice;

// Whole calendar files in and out of a diary, the same for the window's
// commands and the command line. Failures throw CIcsError naming the file.

QByteArray ReadCalendarFile(const QString& path);
// An already open source such as standard input; `name` stands for it in
// messages.
QByteArray ReadCalendarDevice(QIODevice& in, const QString& name);

// Times are converted to this machine's time zone; repeating events that no
// date pattern describes are listed around `today`.
ImportOptions LocalImportOptions(bool holiday, const QDate& today);

// The whole diary as one calendar; `stamp` is the moment of the export.
ExportSummary ExportDiary(const CDiaryDatabase& diary, const QDateTime& stamp, QIODevice& out);
// The same into a file, which is replaced only by a complete calendar.
ExportSummary ExportDiaryToFile(const CDiaryDatabase& diary, const QDateTime& stamp,
                                const QString& path);
