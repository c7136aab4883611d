// SPDX-License-Identifier: GPL-3.0-or-later
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>

#include "commands/CommandIds.h"
#include "view/CalView.h"
#include "view/DayTip.h"
#include "view/FrameModes.h"
#include "view/MenuBuilder.h"
#include "view/ViewSync.h"
#include "view/core/DayHitTest.h"
#include "view/core/KeyScrolling.h"

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

bool CCalView::MayDragFrom(const QPoint& client) const {
    const QMainWindow* frame = Frame();
    if (!frame)
        return false;
    const FrameDragState state{FrameHasTitleBar(*frame), frame->isMaximized(),
                               frame->isMinimized()};
    return MayDragWindow(state, m_page.Map().Regions(), m_page.ToDocument(client));
}

void CCalView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && MayDragFrom(event->position().toPoint()))
        m_dragger.Begin(*window(), event->globalPosition().toPoint());
    event->accept();
}

void CCalView::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragger.IsFollowing() && (event->buttons() & Qt::LeftButton))
        m_dragger.Follow(event->globalPosition().toPoint());
    // The tip belongs to one day; it goes as soon as the pointer leaves it.
    if (m_tipDay != 0 && m_page.DayAt(event->position().toPoint()) != m_tipDay) {
        m_tipDay = 0;
        if (m_dayTip)
            m_dayTip->HideTip();
    }
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CCalView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    const bool wasDragging = m_dragger.IsFollowing();
    m_dragger.End();
    if (!wasDragging) {
        try {
            const QPoint client = event->position().toPoint();
            const int day = m_page.DayAt(client);
            if (day != 0)
                ClickDay(day, event->modifiers());
        } catch (const std::exception& error) {
            ReportError(QString::fromLocal8Bit(error.what()));
        }
    }
    viewport()->update();
    event->accept();
}

void CCalView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        OnCommand(CommandId::NoMenu);
    event->accept();
}

void CCalView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("contextMenu"));
    // Without a frame's route the menu offers and runs the view's own commands.
    const CommandFilter isOffered = m_isOffered ? m_isOffered : &CCalView::RoutesCommand;
    const CommandSink run = m_runCommand ? m_runCommand : [this](int id) { OnCommand(id); };
    AddMenuEntries(menu, ContextMenuTable(), isOffered, run);
    ApplyCheckMarks(menu, CheckState());
    menu.exec(event->globalPos());
    event->accept();
}

void CCalView::keyPressEvent(QKeyEvent* event) {
    // With Alt held the arrows are accelerators, never scrolling.
    if (event->modifiers() & Qt::AltModifier) {
        event->ignore();
        return;
    }
    const std::vector<ScrollStep> steps = ScrollStepsForKey(event->key());
    if (steps.empty()) {
        event->ignore();
        return;
    }
    for (const ScrollStep& step : steps) {
        QScrollBar* bar = step.bar == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
        bar->triggerAction(SliderActionOf(step.move));
    }
    event->accept();
}

void CCalView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    // The calendar may have been left open overnight.
    m_dates.RefreshToday();
    if (!ReloadIfDiaryChanged())
        viewport()->update();
    if (m_sync)
        m_sync->Request(SyncTrigger::Focus);
}

bool CCalView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        try {
            if (!ShowDayTip(help->pos(), help->globalPos()))
                event->ignore();
        } catch (const std::exception& error) {
            ReportError(QString::fromLocal8Bit(error.what()));
        }
        return true;
    }
    if (event->type() == QEvent::Leave && m_dayTip) {
        m_tipDay = 0;
        m_dayTip->HideTip();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

MenuCheckState CCalView::CheckState() const {
    const QMainWindow* frame = Frame();
    return {m_settings.onTop, m_settings.yearView, m_settings.marquee.on, m_settings.showPicture,
            frame && FrameHasMenu(*frame)};
}

void CCalView::SetCommandRoute(CommandFilter isOffered, CommandSink run) {
    m_isOffered = std::move(isOffered);
    m_runCommand = std::move(run);
}
