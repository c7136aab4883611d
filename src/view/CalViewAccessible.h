// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class CCalView;

// The calendar view as assistive technology meets it: a list whose items are
// the days on the page, the focus day being the focused item.
class CCalViewAccessible : public QAccessibleWidget {
public:
    explicit CCalViewAccessible(CCalView* view);
    ~CCalViewAccessible() override;

    // Makes every calendar view answer through this class; once is enough.
    static void Install();
    // Tells assistive technology that the focus day moved.
    static void FocusDayMoved(CCalView& view);

    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    CCalView* View() const;
    // The days whose cells are on the page, in date order.
    QList<int> ShownDays() const;
    QAccessibleInterface* DayInterface(int dayOfYear) const;

    // One interface per day of the year, made when first asked for and
    // released with the view's.
    mutable QHash<int, QAccessible::Id> m_days;
};
