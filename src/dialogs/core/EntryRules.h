// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

#include "platform/DateOrder.h"

// The rules of the Diary Entry dialog that need no window.

// The checks of a diary entry after its date: every failing rule, one line
// each, and the alarm time as it is to be saved (empty becomes "0000").
struct EntryCheck {
    QString errors;
    QString eventTime;
};
EntryCheck CheckEntry(const QString& message, const QString& eventTime);

// A stored alarm time HHMM as the user reads it: the locale's short time
// form, or HH:MM where the digits are no time of day ("2400", "2575"), and
// empty for none ("0000", blanks, empty).
QString AlarmTimeForDisplay(const QString& stored, const QLocale& locale);
// A typed alarm time as the four digits HHMM the diary keeps: "0000" when
// empty; the locale's short form, H:MM, HH:MM, HMM and HHMM are read. The
// digits are kept even when out of range, so the range rules can name the
// fault; nothing when the text holds no such time.
std::optional<QString> StoredAlarmTimeOf(const QString& typed, const QLocale& locale);

// "3 of 10".
QString PositionText(int position, int total);

// Which navigation buttons a record's place allows.
struct NavigationState {
    bool anyRecord = false;
    bool forward = false;   // Next and Last
    bool backward = false;  // Previous and First
};
// `position` is 1-based; `bof` and `eof` both set means there is no record.
NavigationState NavigationFor(int count, int position, bool bof, bool eof);

// The text a typed date is stored as: the eight-character DDMMYYYY pattern
// when the text is acceptable, else its date characters as typed.
QString StoredDateOf(const QString& typed, DateOrder order);

// The box shown when a search finds nothing.
QString NotFoundText(const QString& searchText);
