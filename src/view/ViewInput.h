// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <Qt>
#include <functional>

#include "ui/WindowDragger.h"
#include "view/core/ViewSettings.h"

class CCalendarDates;
class CDayTip;
class CMonthIndex;
class CReminders;
class CViewPage;
class QAbstractScrollArea;
class QEvent;
class QKeyEvent;
class QMouseEvent;
class QPoint;

// The pointer and the keys over the page: dragging the window by the face
// when it has no title bar, clicking a day (Shift-click adds an entry), the
// tip over a marked day, and scrolling by keys.
class CViewInput {
public:
    struct Hooks {
        std::function<void(const QString& dateKey)> addEntry;
        std::function<void(const QString& text)> report;
    };

    // `reminders` may be null: then days neither tell nor show their
    // messages. Everything else must outlive the input.
    CViewInput(QAbstractScrollArea& area, const CViewPage& page, CCalendarDates& dates,
               const CMonthIndex& index, const ViewSettings& settings, CReminders* reminders,
               Hooks hooks);

    void Press(QMouseEvent& event);
    void Move(const QMouseEvent& event);
    // False for any button but the left one, which the scroll area handles.
    bool Release(QMouseEvent& event);
    void KeyPress(QKeyEvent& event);
    // Tooltip requests show a marked day's messages and are consumed (true);
    // leaving the page hides the tip.
    bool ViewportEvent(QEvent& event);

private:
    bool MayDragFrom(const QPoint& client) const;
    void ClickDay(int dayOfYear, Qt::KeyboardModifiers modifiers);
    bool ShowDayTip(const QPoint& client, const QPoint& global);
    void HideTip();

    QAbstractScrollArea& m_area;
    const CViewPage& m_page;
    CCalendarDates& m_dates;
    const CMonthIndex& m_index;
    const ViewSettings& m_settings;
    CReminders* m_reminders;
    Hooks m_hooks;

    CWindowDragger m_dragger;
    CDayTip* m_dayTip = nullptr;  // a child of the area's
    int m_tipDay = 0;
};
