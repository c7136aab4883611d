// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QRect>
#include <QString>
#include <functional>

class CCalendarDates;
class CViewPage;
class QAbstractScrollArea;
class QColor;
class QKeyEvent;
class QPainter;
class QPoint;

// The keyboard's way round the page: the focus day is the shown day, moved by
// the cursor keys, framed while the view has the focus, kept in sight by
// scrolling; Return or Space opens its entries and the menu key its menu.
class CViewCursor {
public:
    struct Hooks {
        // Shows the day, and its month or year when the page shows another.
        std::function<void(const QDate& day)> show;
        std::function<void(const QString& dateKey, bool newEntry)> openEntry;
        // The context menu for the focus day, at its cell.
        std::function<void()> contextMenu;
    };

    // Everything but the hooks must outlive the cursor.
    CViewCursor(QAbstractScrollArea& area, const CViewPage& page, const CCalendarDates& dates,
                Hooks hooks);

    // True when the key was the cursor's; any other key is left alone.
    bool KeyPress(QKeyEvent& event);
    QDate FocusDate() const;
    // The focus day's day of year when the page shows its cell; 0 otherwise.
    int FocusDayOfYear() const;
    // The focus day's cell in client coordinates; empty when it is not on the page.
    QRect FocusCell() const;
    // Where a menu for the focus day opens, in client coordinates.
    QPoint MenuPoint() const;
    // Frames the focus day; `painter` draws in document coordinates.
    void DrawFrame(QPainter& painter, const QColor& colour) const;

private:
    bool OpenWithKey(const QKeyEvent& event);
    void ScrollIntoView();

    QAbstractScrollArea& m_area;
    const CViewPage& m_page;
    const CCalendarDates& m_dates;
    Hooks m_hooks;
};
