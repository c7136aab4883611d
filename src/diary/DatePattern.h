// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "platform/DateOrder.h"

class IPrompts;

// Typed date patterns: digits and '*' in the user's date order, with or
// without separators ("25/12/2007", "**/12/****", "25122007").

// The text with every character other than 0-9 and '*' removed.
QString KeepDateCharacters(const QString& text);

// The text of the error box for a typed date; empty when the text is an
// acceptable date or date pattern. A malformed text gives its one message
// ("A date must be entered", "... C", "... 1", ...); a well-formed one every
// failed date check, each line followed by "\n".
QString DatePatternErrors(const QString& text, DateOrder order);

// Shows the failures in one box captioned "Error!" and returns false, or returns true.
bool ValidateDatePattern(const QString& text, DateOrder order, IPrompts& prompts);

// The stored form of an accepted pattern: eight characters DDMMYYYY, each '*'
// in its place, whatever order and separators were typed (5/3/2007 in
// day-month-year order gives 05032007, 12/25/2007 in month-day-year order
// 25122007, 25/12/07 gives 25122007). Empty when the text is not acceptable.
QString NormalizeDatePattern(const QString& text, DateOrder order);

// The display form DD/MM/YYYY of a stored eight-character pattern; other
// texts come back unchanged.
QString ToDisplayDate(const QString& stored);
// The display form in the user's date order (DD/MM/YYYY, MM/DD/YYYY or
// YYYY/MM/DD), which validates and normalizes back to `stored` in that order.
QString ToDisplayDate(const QString& stored, DateOrder order);
