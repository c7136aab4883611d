// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/CalendarNames.h"

#include "calendar/DateLib.h"

namespace {
bool FitsLatin1(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

// Qt numbers the weekdays 1 Monday .. 7 Sunday.
int QtDayOfWeek(int weekday) {
    return weekday == 0 ? 7 : weekday;
}

// Two letters of the locale's short stand-alone name: "Mo." gives "Mo", "lun." gives "lu".
QString TwoLetters(const QLocale& locale, int weekday) {
    QString name = locale.standaloneDayName(QtDayOfWeek(weekday), QLocale::ShortFormat);
    name.remove(QLatin1Char('.'));
    return name.left(2).leftJustified(2, QLatin1Char(' '));
}

QString TitleCase(const QLocale& locale, const QString& name) {
    return locale.toUpper(name.left(1)) + name.mid(1);
}
}  // namespace

CCalendarNames CCalendarNames::ForInterface(const QLocale& system) {
    const QStringList languages = system.uiLanguages();
    return ForLocale(languages.isEmpty() ? system : QLocale(languages.first()));
}

CCalendarNames CCalendarNames::ForLocale(const QLocale& locale) {
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return {};
    for (int month = 1; month <= 12; ++month) {
        if (!FitsLatin1(locale.standaloneMonthName(month)))
            return {};
    }
    for (int weekday = 0; weekday < 7; ++weekday) {
        if (!FitsLatin1(TwoLetters(locale, weekday)))
            return {};
    }
    return CCalendarNames(locale);
}

std::string CCalendarNames::MonthTitleName(int month) const {
    if (month < 1 || month > 12)
        return {};
    if (!m_locale)
        return MonthName(month);
    return TitleCase(*m_locale, m_locale->standaloneMonthName(month)).toLatin1().toStdString();
}

QString CCalendarNames::WeekdayFullName(int weekday) const {
    if (!m_locale)
        return QString::fromLatin1(WeekdayName(weekday));
    return m_locale->dayName(QtDayOfWeek(weekday));
}

std::string CCalendarNames::WeekNumberHeader() const {
    // Kalenderwoche; semaine.
    if (m_locale && m_locale->language() == QLocale::German)
        return " KW";
    if (m_locale && m_locale->language() == QLocale::French)
        return "Sem";
    return " Wk";
}

std::string CCalendarNames::WeekdayCell(int weekday) const {
    if (!m_locale)
        return std::string(WeekdayName(weekday), 2);
    return TwoLetters(*m_locale, weekday).toLatin1().toStdString();
}
