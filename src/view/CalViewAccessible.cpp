// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/CalViewAccessible.h"

#include "view/CalView.h"
#include "view/DayAccessible.h"

namespace {
QAccessibleInterface* MakeViewInterface(const QString& className, QObject* object) {
    auto* view = qobject_cast<CCalView*>(object);
    if (className != QLatin1String("CCalView") || !view)
        return nullptr;
    return new CCalViewAccessible(view);
}
}  // namespace

CCalViewAccessible::CCalViewAccessible(CCalView* view)
    : QAccessibleWidget(view, QAccessible::List) {}

CCalViewAccessible::~CCalViewAccessible() {
    for (const QAccessible::Id id : std::as_const(m_days))
        QAccessible::deleteAccessibleInterface(id);
}

void CCalViewAccessible::Install() {
    static const bool installed = (QAccessible::installFactory(&MakeViewInterface), true);
    (void)installed;
}

void CCalViewAccessible::FocusDayMoved(CCalView& view) {
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* day = QAccessible::queryAccessibleInterface(&view)->focusChild();
    if (!day)
        return;
    QAccessibleEvent focus(day, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

CCalView* CCalViewAccessible::View() const {
    return static_cast<CCalView*>(widget());
}

QList<int> CCalViewAccessible::ShownDays() const {
    QList<int> days;
    const DayCellTable& cells = View()->DayCells();
    for (int dayOfYear = 1; dayOfYear < static_cast<int>(cells.size()); ++dayOfYear)
        if (!cells[dayOfYear].IsEmpty())
            days << dayOfYear;
    return days;
}

QAccessibleInterface* CCalViewAccessible::DayInterface(int dayOfYear) const {
    auto found = m_days.constFind(dayOfYear);
    if (found != m_days.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto* day = new CDayAccessible(View(), dayOfYear);
    m_days.insert(dayOfYear, QAccessible::registerAccessibleInterface(day));
    return day;
}

QAccessibleInterface* CCalViewAccessible::focusChild() const {
    const int dayOfYear = View()->Cursor().FocusDayOfYear();
    return View()->hasFocus() && dayOfYear != 0 ? DayInterface(dayOfYear) : nullptr;
}

QAccessibleInterface* CCalViewAccessible::childAt(int x, int y) const {
    const int dayOfYear = View()->DayAtScreen(QPoint(x, y));
    return dayOfYear != 0 ? DayInterface(dayOfYear) : nullptr;
}

QAccessibleInterface* CCalViewAccessible::child(int index) const {
    const QList<int> days = ShownDays();
    return index >= 0 && index < days.size() ? DayInterface(days[index]) : nullptr;
}

int CCalViewAccessible::childCount() const {
    return static_cast<int>(ShownDays().size());
}

int CCalViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const QList<int> days = ShownDays();
    for (int i = 0; i < days.size(); ++i)
        if (m_days.value(days[i]) != 0 &&
            QAccessible::accessibleInterface(m_days.value(days[i])) == child)
            return i;
    return -1;
}
