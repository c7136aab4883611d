// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "platform/DateOrder.h"

// The rules of the Diary Entry dialog that need no window.

// The checks of a diary entry after its date: every failing rule, one line
// each, and the alarm time as it is to be saved (empty becomes "0000").
struct EntryCheck {
    QString errors;
    QString eventTime;
};
EntryCheck CheckEntry(const QString& message, const QString& eventTime);

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
