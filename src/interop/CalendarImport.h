// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

#include "interop/DiaryEntry.h"

class CDiaryDatabase;

struct ImportOptions {
    // Marks every imported entry a public holiday.
    bool holiday = false;
    // The user's time zone (an IANA name); times are converted to it.
    QByteArray zoneId;
    // Rules that are no date pattern are listed from a year before to three
    // years after this day.
    QDate today;
};

struct ImportSummary {
    // The events the file holds, whatever became of them.
    int events = 0;
    int added = 0;
    int present = 0;
    // Repeating events listed as dated entries, over the window.
    int expanded = 0;
    // Events whose location or description no entry keeps.
    int unkeptText = 0;
    // Endless rules given as several date patterns from their first day.
    int endless = 0;
    QDate windowFirst;
    QDate windowLast;
    // How many were skipped, by reason.
    QMap<QString, int> skipped;

    int SkippedCount() const;
    // One line: added, already present, expanded and skipped, with why.
    QString Text() const;
};

// The entries an iCalendar file's events give, in file order, and what was
// expanded or skipped. Throws CIcsError naming the file and the line when the
// file is not iCalendar or is damaged.
struct ImportPlan {
    QList<DiaryEntry> entries;
    ImportSummary summary;
};
ImportPlan ReadCalendar(const QByteArray& text, const QString& fileName,
                        const ImportOptions& options);

// Adds the planned entries that the diary does not hold yet (same date
// pattern, alarm time and message), in one transaction: a failed write
// leaves the diary as it was. Returns the plan's summary with what was added
// and what was already present.
ImportSummary AddNewEntries(const ImportPlan& plan, CDiaryDatabase& diary);

// Reads the file, then adds its new entries: a damaged file leaves the diary
// as it was.
ImportSummary ImportCalendar(const QByteArray& text, const QString& fileName,
                             const ImportOptions& options, CDiaryDatabase& diary);
