// SPDX-License-Identifier: GPL-3.0-or-later
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <exception>

#include "calendar/CalendarDates.h"
#include "calendar/MonthText.h"
#include "commands/CommandIds.h"
#include "view/CalView.h"
#include "view/CalViewAccessible.h"
#include "view/MenuBuilder.h"

CViewInput::Hooks CCalView::InputHooks() {
    CViewInput::Hooks hooks;
    hooks.addEntry = [this](const QString& dateKey) { m_dialogs.RunDiaryEntry(dateKey, true); };
    hooks.report = [this](const QString& text) { ReportError(text); };
    return hooks;
}

void CCalView::mousePressEvent(QMouseEvent* event) {
    m_input.Press(*event);
}

void CCalView::mouseMoveEvent(QMouseEvent* event) {
    m_input.Move(*event);
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CCalView::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_input.Release(*event))
        QAbstractScrollArea::mouseReleaseEvent(event);
}

void CCalView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        OnCommand(CommandId::NoMenu);
    event->accept();
}

CViewCursor::Hooks CCalView::CursorHooks() {
    CViewCursor::Hooks hooks;
    hooks.show = [this](const QDate& day) {
        m_navigation.ShowDay(day.day(), day.month(), day.year());
        CCalViewAccessible::FocusDayMoved(*this);
    };
    hooks.openEntry = [this](const QString& dateKey, bool newEntry) {
        m_dialogs.RunDiaryEntry(dateKey, newEntry);
    };
    hooks.contextMenu = [this] { ShowFocusDayMenu(); };
    return hooks;
}

void CCalView::ShowFocusDayMenu() {
    const QDate day = m_cursor.FocusDate();
    ShowContextMenu(viewport()->mapToGlobal(m_cursor.MenuPoint()),
                    DateKey(day.day(), day.month(), day.year()));
}

void CCalView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    // The menu key opens the menu at the focus day, and for it.
    if (event->reason() == QContextMenuEvent::Keyboard)
        ShowFocusDayMenu();
    else
        ShowContextMenu(event->globalPos(), QString());
}

void CCalView::ShowContextMenu(const QPoint& global, const QString& dayKey) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("contextMenu"));
    // Without a frame's route the menu offers and runs the view's own commands.
    const CommandFilter isOffered = m_isOffered ? m_isOffered : &CCalView::RoutesCommand;
    const CommandSink run = m_runCommand ? m_runCommand : [this](int id) { OnCommand(id); };
    AddMenuEntries(menu, ContextMenuTable(), isOffered, run);
    ApplyCheckMarks(menu, m_frame.CheckState());
    m_dialogs.SetMenuDay(dayKey);
    menu.exec(global);
    m_dialogs.SetMenuDay(QString());
}

void CCalView::keyPressEvent(QKeyEvent* event) {
    // A move into another month reads its marks from the diary, which may fail.
    try {
        if (m_cursor.KeyPress(*event))
            return;
    } catch (const std::exception& error) {
        ReportError(QString::fromLocal8Bit(error.what()));
        return;
    }
    m_input.KeyPress(*event);
}

void CCalView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    // The focus frame goes with the focus.
    viewport()->update();
}

void CCalView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    // The calendar may have been left open overnight.
    m_dates.RefreshToday();
    if (!ReloadIfDiaryChanged())
        viewport()->update();
    m_timed.FocusGained();
}

bool CCalView::viewportEvent(QEvent* event) {
    return m_input.ViewportEvent(*event) || QAbstractScrollArea::viewportEvent(event);
}

void CCalView::SetCommandRoute(CommandFilter isOffered, CommandSink run) {
    m_isOffered = std::move(isOffered);
    m_runCommand = std::move(run);
}

int CCalView::DayAtScreen(const QPoint& global) const {
    return m_page.DayAt(viewport()->mapFromGlobal(global));
}

QString CCalView::DayMessages(int dayOfYear) {
    if (!m_reminders || m_index.Mark(dayOfYear) == kNoEntry)
        return QString();
    int day = 0;
    int month = 0;
    int year = 0;
    DayOfYearToDate(dayOfYear, m_dates.ShownYear(), day, month, year);
    // Asked for by assistive technology at any moment: a box would be out
    // of place, so the failure is what the day reads.
    try {
        return m_reminders->GatherDayMessages(day, month, year, false);
    } catch (const std::exception& error) {
        return tr("The diary cannot be read: %1").arg(QString::fromLocal8Bit(error.what()));
    }
}
