// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLocale;

// The stored choice of the weekday the page's rows start on.
enum class WeekStartChoice { Sunday, Monday, Locale };

// Any other text, an empty one among them, is Sunday: the page as it always was.
WeekStartChoice WeekStartFromText(const QString& text);
QString WeekStartText(WeekStartChoice choice);
// The first weekday (0 Sunday .. 6 Saturday) the choice means under `locale`.
int FirstWeekday(WeekStartChoice choice, const QLocale& locale);
