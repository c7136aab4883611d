// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// The days a diary date pattern (DDMMYYYY, '*' for any digit) falls on, in
// the terms iCalendar writes recurring days in. The days are exactly those
// the month index marks: every real date whose key matches the pattern, from
// the calendar's first year on.

inline constexpr int kFirstPatternYear = 1584;
inline constexpr int kLastPatternYear = 9999;

struct PatternDays {
    // The first day the pattern falls on (DTSTART).
    QDate first;
    // The recurrence rule without its end; empty when `first` is the only day
    // or the days are listed in `moreDates`.
    QString rule;
    // The last day; null when the days never end.
    QDate last;
    // The days after `first` when no single rule gives them (RDATE).
    QList<QDate> moreDates;
};

// Eight characters, each a digit or '*'.
bool IsDatePattern(const QString& text);
bool PatternFallsOn(const QString& pattern, const QDate& day);
// Nothing when the pattern is malformed or falls on no day.
std::optional<PatternDays> DaysOfPattern(const QString& pattern);

// The two-character part of a pattern whose values in lowest..highest are
// exactly `values` (ascending): {5, 15, 25} of the days gives "*5". Empty
// when no part gives them.
QString PartPatternFor(const QList<int>& values, int lowest, int highest);
