// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandArguments.h"

#include <QCoreApplication>

std::optional<int> ReadPlainNumber(const QString& text) {
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return text.toInt();
}

std::optional<int> ReadYear(const QString& text, QString& error) {
    const std::optional<int> year = ReadPlainNumber(text);
    if (year && *year >= kFirstCommandYear && *year <= kLastCommandYear)
        return year;
    error = QCoreApplication::translate("CommandArguments",
                                        "YEAR must be a number from %1 to %2, not '%3'")
                .arg(kFirstCommandYear)
                .arg(kLastCommandYear)
                .arg(text);
    return std::nullopt;
}

std::optional<MonthYear> ReadMonthYear(const QStringList& words, const QDate& today,
                                       QString& error) {
    if (words.isEmpty())
        return MonthYear{today.month(), today.year()};
    if (words.size() != 2) {
        error =
            QCoreApplication::translate("CommandArguments", "give both MONTH and YEAR, or neither");
        return std::nullopt;
    }
    const std::optional<int> month = ReadPlainNumber(words[0]);
    if (!month || *month < 1 || *month > 12) {
        error = QCoreApplication::translate("CommandArguments",
                                            "MONTH must be a number from 1 to 12, not '%1'")
                    .arg(words[0]);
        return std::nullopt;
    }
    const std::optional<int> year = ReadYear(words[1], error);
    if (!year)
        return std::nullopt;
    return MonthYear{*month, *year};
}
