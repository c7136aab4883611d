// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewCursor.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include "calendar/CalendarDates.h"
#include "calendar/DateLib.h"
#include "view/ViewPage.h"
#include "view/core/DayCursor.h"

namespace {
// Brings [start, end) into the bar's window of `length`, moving as little as it can.
void KeepInSight(QScrollBar& bar, int start, int end, int length) {
    if (start < bar.value())
        bar.setValue(start);
    else if (end > bar.value() + length)
        bar.setValue(end - length);
}
}  // namespace

CViewCursor::CViewCursor(QAbstractScrollArea& area, const CViewPage& page,
                         const CCalendarDates& dates, Hooks hooks)
    : m_area(area), m_page(page), m_dates(dates), m_hooks(std::move(hooks)) {}

QDate CViewCursor::FocusDate() const {
    return CDayCursor(m_dates.ShownDay(), m_dates.ShownMonth(), m_dates.ShownYear()).Date();
}

int CViewCursor::FocusDayOfYear() const {
    const QDate focus = FocusDate();
    if (focus.year() != m_dates.ShownYear())
        return 0;
    const int dayOfYear = DayOfYear(focus.month(), focus.day(), focus.year());
    return m_page.Map().DayCells()[dayOfYear].IsEmpty() ? 0 : dayOfYear;
}

QRect CViewCursor::FocusCell() const {
    const int dayOfYear = FocusDayOfYear();
    if (dayOfYear == 0)
        return QRect();
    const PageRect cell = m_page.Map().DayCells()[dayOfYear];
    const PagePoint origin = m_page.ToDocument(QPoint(0, 0));
    return QRect(QPoint(cell.left - origin.x, cell.top - origin.y),
                 QPoint(cell.right - origin.x - 1, cell.bottom - origin.y - 1));
}

QPoint CViewCursor::MenuPoint() const {
    const QRect cell = FocusCell();
    return cell.isEmpty() ? m_area.viewport()->rect().center() : cell.bottomLeft();
}

bool CViewCursor::KeyPress(QKeyEvent& event) {
    if (OpenWithKey(event))
        return true;
    CDayCursor cursor(m_dates.ShownDay(), m_dates.ShownMonth(), m_dates.ShownYear());
    const QDate today(m_dates.TodayYear(), m_dates.TodayMonth(), m_dates.TodayDay());
    if (!cursor.Press(event.key(), event.modifiers(), today))
        return false;
    m_hooks.show(cursor.Date());
    ScrollIntoView();
    m_area.viewport()->update();
    event.accept();
    return true;
}

bool CViewCursor::OpenWithKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool open = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter ||
                      event.key() == Qt::Key_Space;
    const QDate focus = FocusDate();
    // Return adds an entry as Shift-click does; Ctrl+Return browses the day's own.
    if (open && (modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier)) {
        m_hooks.openEntry(DateKey(focus.day(), focus.month(), focus.year()),
                          modifiers == Qt::NoModifier);
        return true;
    }
    if (event.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        m_hooks.contextMenu();
        return true;
    }
    return false;
}

void CViewCursor::ScrollIntoView() {
    const QRect cell = FocusCell();
    if (cell.isEmpty())
        return;
    const PagePoint origin = m_page.ToDocument(QPoint(0, 0));
    const QSize client = m_area.viewport()->size();
    KeepInSight(*m_area.horizontalScrollBar(), origin.x + cell.left(), origin.x + cell.right() + 1,
                client.width());
    KeepInSight(*m_area.verticalScrollBar(), origin.y + cell.top(), origin.y + cell.bottom() + 1,
                client.height());
}

void CViewCursor::DrawFrame(QPainter& painter, const QColor& colour) const {
    const int dayOfYear = FocusDayOfYear();
    if (dayOfYear == 0)
        return;
    const PageRect cell = m_page.Map().DayCells()[dayOfYear];
    painter.save();
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    // Just outside the day's number, so the frame never covers a digit.
    painter.drawRect(QRect(QPoint(cell.left - 2, cell.top), QPoint(cell.right, cell.bottom - 1)));
    painter.restore();
}
