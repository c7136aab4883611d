// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include "interop/DiaryEntry.h"
#include "interop/IcalHandles.h"

// The extension properties that carry what iCalendar has no place for, so
// that a re-import restores the entry exactly.
inline constexpr const char* kPatternProperty = "X-PLENDA-DATE-PATTERN";
inline constexpr const char* kTuneProperty = "X-PLENDA-TUNE";
inline constexpr const char* kTimeProperty = "X-PLENDA-TIME";
inline constexpr const char* kHolidayCategory = "Holiday";

// One diary entry as one VEVENT: SUMMARY the message; an all-day start, or a
// floating start at the alarm time with a display alarm 15 minutes before;
// the pattern's days as a rule or as extra dates; the holiday flag as a
// category. Null when the entry's date falls on no day.
IcalComponentPtr EntryToEvent(const DiaryEntry& entry, const QString& uid, const QDateTime& stamp);
