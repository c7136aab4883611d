// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include "interop/DiaryEntry.h"

class QIODevice;

struct ExportSummary {
    int written = 0;
    // Entries whose date falls on no day, left out.
    int leftOut = 0;
    QString Text() const;
};

// Writes the entries as one VCALENDAR, one VEVENT each, event by event so
// that a large diary never stands in memory as one tree. UIDs are
// "plenda-<uidTag>-<ID>", stable for as long as the entry lives.
ExportSummary WriteCalendar(const QList<DiaryEntry>& entries, const QString& uidTag,
                            const QDateTime& stamp, QIODevice& out);

// A short tag of the diary's identity, so that the UIDs of two diaries differ
// and those of one diary stay the same under any name.
QString DiaryUidTag(const QString& identity);
