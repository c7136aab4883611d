// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/WeekStart.h"

#include <QLocale>

#include "settings/SettingsKeys.h"

WeekStartChoice WeekStartFromText(const QString& text) {
    if (text == QLatin1String(WeekStartWord::Monday))
        return WeekStartChoice::Monday;
    if (text == QLatin1String(WeekStartWord::Locale))
        return WeekStartChoice::Locale;
    return WeekStartChoice::Sunday;
}

QString WeekStartText(WeekStartChoice choice) {
    switch (choice) {
        case WeekStartChoice::Monday:
            return QString::fromLatin1(WeekStartWord::Monday);
        case WeekStartChoice::Locale:
            return QString::fromLatin1(WeekStartWord::Locale);
        case WeekStartChoice::Sunday:
            break;
    }
    return QString::fromLatin1(WeekStartWord::Sunday);
}

int FirstWeekday(WeekStartChoice choice, const QLocale& locale) {
    switch (choice) {
        case WeekStartChoice::Monday:
            return 1;
        case WeekStartChoice::Locale:
            // Qt counts Monday 1 .. Sunday 7.
            return static_cast<int>(locale.firstDayOfWeek()) % 7;
        case WeekStartChoice::Sunday:
            break;
    }
    return 0;
}
