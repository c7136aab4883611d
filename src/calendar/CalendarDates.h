// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class IClock;

// Today's date and the date on show, with the text forms the rest of the
// system writes dates in. The view owns one.
class CCalendarDates {
public:
    explicit CCalendarDates(const IClock& clock);

    // Reads the local clock into today's day, month and year and rebuilds
    // the compact text of today.
    void RefreshToday();
    // Reads the local clock into the shown day, month and year.
    void GoToToday();

    // With day 0 and `useToday` set, today's date replaces the three arguments.
    QString FormatDateKey(int day, int month, int year, bool useToday) const;      // DDMMYYYY
    QString FormatDateCompact(int day, int month, int year, bool useToday) const;  // YYYYMMDD
    QString FormatDateSlashed(int day, int month, int year, bool useToday) const;  // DD/MM/YYYY
    // "Wednesday, December 5 2007", for every year the date library accepts.
    static QString FormatLongDate(int day, int month, int year);

    int TodayDay() const { return m_todayDay; }
    int TodayMonth() const { return m_todayMonth; }
    int TodayYear() const { return m_todayYear; }
    QString TodayCompact() const { return m_todayCompact; }

    int ShownDay() const { return m_shownDay; }
    int ShownMonth() const { return m_shownMonth; }
    int ShownYear() const { return m_shownYear; }
    void SetShown(int day, int month, int year);

private:
    const IClock& m_clock;
    int m_todayDay = 0;
    int m_todayMonth = 0;
    int m_todayYear = 0;
    QString m_todayCompact;
    int m_shownDay = 0;
    int m_shownMonth = 0;
    int m_shownYear = 0;
};

// The digit forms without the use-today rule: day and month two digits, the
// year four (padded below 1000).
QString DateKey(int day, int month, int year);      // DDMMYYYY
QString DateCompact(int day, int month, int year);  // YYYYMMDD
QString DateSlashed(int day, int month, int year);  // DD/MM/YYYY
