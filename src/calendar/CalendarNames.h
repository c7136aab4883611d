// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <optional>
#include <string>

// The month and weekday names a month text shows. English is the built-in
// names, so an English month text stays as it always was; another language
// takes its locale's names. The month text holds one Latin-1 byte per
// character, so a locale whose names need more keeps the English ones.
class CCalendarNames {
public:
    CCalendarNames() = default;
    // The names of the interface language: the first of the locale's UI languages.
    static CCalendarNames ForInterface(const QLocale& system);
    static CCalendarNames ForLocale(const QLocale& locale);

    bool IsEnglish() const { return !m_locale.has_value(); }
    // The locale that writes dates with these names.
    QLocale DateLocale() const { return m_locale.value_or(QLocale::c()); }
    // The month's name as a title begins it, in Latin-1.
    std::string MonthTitleName(int month) const;
    // Two Latin-1 characters for a weekday (0 Sunday .. 6 Saturday) in the header.
    std::string WeekdayCell(int weekday) const;
    // The three characters over the week numbers: " Wk" in English, the
    // language's own short word where this program knows it.
    std::string WeekNumberHeader() const;
    // The full name of a weekday, as a sentence shows it.
    QString WeekdayFullName(int weekday) const;

private:
    explicit CCalendarNames(const QLocale& locale) : m_locale(locale) {}

    std::optional<QLocale> m_locale;
};
