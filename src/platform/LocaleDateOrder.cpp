// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocaleDateOrder.h"

#include <QLocale>

DateOrder CLocaleDateOrder::Current() const {
    return FromFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
}

DateOrder CLocaleDateOrder::FromFormat(const QString& format) {
    const qsizetype day = format.indexOf(QLatin1Char('d'));
    const qsizetype month = format.indexOf(QLatin1Char('M'));
    const qsizetype year = format.indexOf(QLatin1Char('y'));
    if (day < 0 || month < 0 || year < 0)
        return DateOrder::MonthDayYear;
    if (year < month && month < day)
        return DateOrder::YearMonthDay;
    if (day < month)
        return DateOrder::DayMonthYear;
    return DateOrder::MonthDayYear;
}
