// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewInput.h"

#include <QAbstractScrollArea>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScrollBar>
#include <exception>

#include "calendar/CalendarDates.h"
#include "calendar/MonthText.h"
#include "diary/MonthIndex.h"
#include "reminders/Reminders.h"
#include "view/DayTip.h"
#include "view/FrameModes.h"
#include "view/ViewPage.h"
#include "view/core/DayHitTest.h"
#include "view/core/KeyScrolling.h"
#include "view/core/TipText.h"

namespace {
QAbstractSlider::SliderAction SliderActionOf(ScrollMove move) {
    switch (move) {
        case ScrollMove::LineBack:
            return QAbstractSlider::SliderSingleStepSub;
        case ScrollMove::LineForward:
            return QAbstractSlider::SliderSingleStepAdd;
        case ScrollMove::PageBack:
            return QAbstractSlider::SliderPageStepSub;
        case ScrollMove::PageForward:
            return QAbstractSlider::SliderPageStepAdd;
        case ScrollMove::ToStart:
            return QAbstractSlider::SliderToMinimum;
        case ScrollMove::ToEnd:
            return QAbstractSlider::SliderToMaximum;
    }
    return QAbstractSlider::SliderNoAction;
}
}  // namespace

CViewInput::CViewInput(QAbstractScrollArea& area, const CViewPage& page, CCalendarDates& dates,
                       const CMonthIndex& index, const ViewSettings& settings,
                       CReminders* reminders, Hooks hooks)
    : m_area(area),
      m_page(page),
      m_dates(dates),
      m_index(index),
      m_settings(settings),
      m_reminders(reminders),
      m_hooks(std::move(hooks)) {}

bool CViewInput::MayDragFrom(const QPoint& client) const {
    const auto* frame = qobject_cast<const QMainWindow*>(m_area.window());
    if (!frame)
        return false;
    const FrameDragState state{FrameHasTitleBar(*frame), frame->isMaximized(),
                               frame->isMinimized()};
    return MayDragWindow(state, m_page.Map().Regions(), m_page.ToDocument(client));
}

void CViewInput::Press(QMouseEvent& event) {
    if (event.button() == Qt::LeftButton && MayDragFrom(event.position().toPoint()))
        m_dragger.Begin(*m_area.window(), event.globalPosition().toPoint());
    event.accept();
}

void CViewInput::Move(const QMouseEvent& event) {
    if (m_dragger.IsFollowing() && (event.buttons() & Qt::LeftButton))
        m_dragger.Follow(event.globalPosition().toPoint());
    // The tip belongs to one day; it goes as soon as the pointer leaves it.
    if (m_tipDay != 0 && m_page.DayAt(event.position().toPoint()) != m_tipDay)
        HideTip();
}

bool CViewInput::Release(QMouseEvent& event) {
    if (event.button() != Qt::LeftButton)
        return false;
    const bool wasDragging = m_dragger.IsFollowing();
    m_dragger.End();
    if (!wasDragging) {
        try {
            const int day = m_page.DayAt(event.position().toPoint());
            if (day != 0)
                ClickDay(day, event.modifiers());
        } catch (const std::exception& error) {
            m_hooks.report(QString::fromLocal8Bit(error.what()));
        }
    }
    m_area.viewport()->update();
    event.accept();
    return true;
}

void CViewInput::ClickDay(int dayOfYear, Qt::KeyboardModifiers modifiers) {
    int day = 0;
    int month = 0;
    int year = 0;
    DayOfYearToDate(dayOfYear, m_dates.ShownYear(), day, month, year);
    m_dates.SetShown(day, m_dates.ShownMonth(), m_dates.ShownYear());
    // Shift alone adds an entry; with Ctrl as well it is an ordinary click.
    if (modifiers == Qt::ShiftModifier)
        m_hooks.addEntry(DateKey(day, month, year));
    else if (m_reminders)
        m_reminders->CheckDiary(day, month, year, false);
}

void CViewInput::KeyPress(QKeyEvent& event) {
    // With Alt held the arrows are accelerators, never scrolling.
    if (event.modifiers() & Qt::AltModifier) {
        event.ignore();
        return;
    }
    const std::vector<ScrollStep> steps = ScrollStepsForKey(event.key());
    if (steps.empty()) {
        event.ignore();
        return;
    }
    for (const ScrollStep& step : steps) {
        QScrollBar* bar =
            step.bar == Qt::Vertical ? m_area.verticalScrollBar() : m_area.horizontalScrollBar();
        bar->triggerAction(SliderActionOf(step.move));
    }
    event.accept();
}

bool CViewInput::ViewportEvent(QEvent& event) {
    if (event.type() == QEvent::ToolTip) {
        auto& help = static_cast<QHelpEvent&>(event);
        try {
            if (!ShowDayTip(help.pos(), help.globalPos()))
                event.ignore();
        } catch (const std::exception& error) {
            m_hooks.report(QString::fromLocal8Bit(error.what()));
        }
        return true;
    }
    if (event.type() == QEvent::Leave && m_dayTip)
        HideTip();
    return false;
}

bool CViewInput::ShowDayTip(const QPoint& client, const QPoint& global) {
    const int dayOfYear = m_page.DayAt(client);
    const int mark = dayOfYear != 0 ? m_index.Mark(dayOfYear) : 0;
    if (mark == 0 || !m_reminders) {
        HideTip();
        return false;
    }
    // Resting on the same day does not gather (and play) its messages again.
    if (dayOfYear == m_tipDay && m_dayTip && m_dayTip->isVisible())
        return true;
    int day = 0;
    int month = 0;
    int year = 0;
    DayOfYearToDate(dayOfYear, m_dates.ShownYear(), day, month, year);
    const QString text = CutTipText(m_reminders->GatherDayMessages(day, month, year, true));
    if (text.isEmpty())
        return false;
    if (!m_dayTip)
        m_dayTip = new CDayTip(&m_area);
    const ViewColours& colours = m_settings.colours;
    m_dayTip->ShowTip(text, TipBackground(mark, colours.entryText, colours.holidayText),
                      global + QPoint(2, 16));
    m_tipDay = dayOfYear;
    return true;
}

void CViewInput::HideTip() {
    m_tipDay = 0;
    if (m_dayTip)
        m_dayTip->HideTip();
}
