// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/DayCursor.h"

#include <algorithm>

#include "view/core/NavigationSteps.h"

CDayCursor::CDayCursor(int day, int month, int year) {
    const QDate first = WithinShownYears(
        QDate(std::clamp(year, kFirstShownYear, kLastShownYear), std::clamp(month, 1, 12), 1));
    m_date = first.addDays(std::clamp(day, 1, first.daysInMonth()) - 1);
}

QDate CDayCursor::WithinShownYears(const QDate& date) {
    return std::clamp(date, QDate(kFirstShownYear, 1, 1), QDate(kLastShownYear, 12, 31));
}

bool CDayCursor::Press(int key, Qt::KeyboardModifiers modifiers, const QDate& today) {
    // The keypad's arrows carry a modifier of their own; they move the cursor too.
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    QDate to;
    switch (key) {
        case Qt::Key_Left:
            to = m_date.addDays(-1);
            break;
        case Qt::Key_Right:
            to = m_date.addDays(1);
            break;
        case Qt::Key_Up:
            to = m_date.addDays(-7);
            break;
        case Qt::Key_Down:
            to = m_date.addDays(7);
            break;
        case Qt::Key_PageUp:
            to = m_date.addMonths(-1);
            break;
        case Qt::Key_PageDown:
            to = m_date.addMonths(1);
            break;
        case Qt::Key_Home:
            to = today;
            break;
        default:
            return false;
    }
    m_date = WithinShownYears(to);
    return true;
}
