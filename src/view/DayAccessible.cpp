// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/DayAccessible.h"

#include <QLocale>
#include <QScrollBar>
#include <QWidget>
#include <QWindow>

#include "calendar/MonthText.h"
#include "diary/MonthIndex.h"
#include "view/CalView.h"

CDayAccessible::CDayAccessible(CCalView* view, int dayOfYear)
    : m_view(view), m_dayOfYear(dayOfYear) {}

bool CDayAccessible::isValid() const {
    return m_view && !m_view->DayCells()[m_dayOfYear].IsEmpty();
}

QWindow* CDayAccessible::window() const {
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CDayAccessible::parent() const {
    return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
}

QDate CDayAccessible::Date() const {
    int day = 0;
    int month = 0;
    int year = 0;
    DayOfYearToDate(m_dayOfYear, m_view->Dates().ShownYear(), day, month, year);
    return QDate(year, month, day);
}

QString CDayAccessible::text(QAccessible::Text type) const {
    if (!isValid())
        return QString();
    if (type == QAccessible::Name)
        return QLocale().toString(Date(), QLocale::LongFormat);
    if (type == QAccessible::Description)
        return Description();
    return QString();
}

// The colours that mark today and holidays, put in words.
QString CDayAccessible::Description() const {
    QStringList lines;
    const QDate date = Date();
    const CCalendarDates& dates = m_view->Dates();
    if (date == QDate(dates.TodayYear(), dates.TodayMonth(), dates.TodayDay()))
        lines << CCalView::tr("Today");
    if (m_view->MonthIndex().Mark(m_dayOfYear) & kHolidayEntry)
        lines << CCalView::tr("Public holiday");
    const QString messages = m_view->DayMessages(m_dayOfYear);
    if (!messages.isEmpty())
        lines << messages;
    return lines.join(QLatin1Char('\n'));
}

QRect CDayAccessible::rect() const {
    if (!isValid())
        return QRect();
    const PageRect cell = m_view->DayCells()[m_dayOfYear];
    const QPoint scroll(m_view->horizontalScrollBar()->value(),
                        m_view->verticalScrollBar()->value());
    const QRect client(QPoint(cell.left, cell.top) - scroll,
                       QPoint(cell.right - 1, cell.bottom - 1) - scroll);
    return client.translated(m_view->viewport()->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State CDayAccessible::state() const {
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const bool isFocusDay = m_view->Cursor().FocusDayOfYear() == m_dayOfYear;
    state.selected = isFocusDay;
    state.focused = isFocusDay && m_view->hasFocus();
    return state;
}
