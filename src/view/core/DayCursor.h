// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <Qt>

// The focus day on the page and how the keys move it: the arrows by a day or
// a week, Page Up and Page Down by a month (keeping the day of the month, or
// the month's last day when it is shorter), Home to today. It never leaves
// the years the page can show.
class CDayCursor {
public:
    // A day past the month's end (as Prev and Next leave it) stands on the
    // month's last day; a day before the first on the first.
    CDayCursor(int day, int month, int year);

    // Moves for a cursor key; false, and no move, for any other key. Only
    // unmodified keys move the cursor: with Ctrl the same keys scroll.
    bool Press(int key, Qt::KeyboardModifiers modifiers, const QDate& today);
    QDate Date() const { return m_date; }

private:
    static QDate WithinShownYears(const QDate& date);

    QDate m_date;
};
