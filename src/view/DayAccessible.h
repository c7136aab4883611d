// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class CCalView;

// One day of the page for assistive technology: the date in words as its
// name; today, a public holiday and the day's messages as its description.
// It stands for a day of the shown year, whichever year that is.
class CDayAccessible : public QAccessibleInterface {
public:
    CDayAccessible(CCalView* view, int dayOfYear);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    QDate Date() const;
    QString Description() const;

    QPointer<CCalView> m_view;
    int m_dayOfYear;
};
