// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// The years every command accepts: the date library starts in 1584, and the
// diary keys hold four-digit years.
inline constexpr int kFirstCommandYear = 1584;
inline constexpr int kLastCommandYear = 9999;

// A command-line number: plain decimal digits only, no sign, no blanks, and
// short enough that it cannot overflow.
std::optional<int> ReadPlainNumber(const QString& text);

// A YEAR word within the years above; otherwise nothing, and `error` says why.
std::optional<int> ReadYear(const QString& text, QString& error);

struct MonthYear {
    int month = 0;
    int year = 0;
};

// The words MONTH YEAR, both or neither (then the month of `today`);
// otherwise nothing, and `error` says why.
std::optional<MonthYear> ReadMonthYear(const QStringList& words, const QDate& today,
                                       QString& error);
