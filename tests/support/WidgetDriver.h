// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

// Drives a window as a user would: finds its controls by object name, clicks
// them and types into them.
class WidgetDriver {
public:
    explicit WidgetDriver(QWidget& root) : m_root(root) {}

    template <typename Widget>
    Widget* Find(const char* name) const {
        auto* widget = m_root.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << "no control named " << name;
        return widget;
    }

    // Clicks near the left edge: a check box stretched by its layout takes
    // clicks only on its box and label.
    void Click(const char* name) const {
        if (auto* button = Find<QAbstractButton>(name))
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    // Replaces the edit's text by typing it.
    void Type(const char* name, const QString& text) const {
        if (auto* edit = Find<QLineEdit>(name)) {
            edit->setFocus();
            edit->selectAll();
            edit->del();
            QTest::keyClicks(edit, text);
        }
    }

    void Press(const char* name, Qt::Key key) const {
        if (auto* widget = Find<QWidget>(name))
            QTest::keyClick(widget, key);
    }

    QString Text(const char* name) const {
        auto* edit = Find<QLineEdit>(name);
        return edit ? edit->text() : QString();
    }

    bool Checked(const char* name) const {
        auto* button = Find<QAbstractButton>(name);
        return button && button->isChecked();
    }

private:
    QWidget& m_root;
};
