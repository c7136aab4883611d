// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

#include "app/AcceleratorFilter.h"
#include "commands/CommandIds.h"
#include "support/FakePrompts.h"
#include "ui/WaylandNotice.h"

// A deleted filter leaves the application's filters by itself.
TEST(AcceleratorFilter, KeysOfTheTableWinOverAccessKeysAndOtherKeysPassOn) {
    QMainWindow window;
    auto* field = new QLineEdit;
    window.setCentralWidget(field);
    window.menuBar()->addMenu("&File");
    QList<int> commands;
    CAcceleratorFilter filter(
        window, [](int id) { return id != CommandId::DiaryEntryKey; },
        [&commands](int id) { commands.append(id); });
    qApp->installEventFilter(&filter);
    window.show();
    window.activateWindow();
    field->setFocus();
    // Alt+D is not offered.
    for (const QKeyCombination key :
         {Qt::ALT | Qt::Key_Left, Qt::CTRL | Qt::Key_O, Qt::ALT | Qt::Key_F, Qt::ALT | Qt::Key_D})
        QTest::keyClick(field, key.key(), key.keyboardModifiers());
    QTest::keyClicks(field, "abc");
    QLineEdit other;
    other.show();
    QTest::keyClick(&other, Qt::Key_Left, Qt::AltModifier);  // other windows keep their keys
    EXPECT_EQ(commands, (QList<int>{CommandId::Prev, CommandId::FileOpen, CommandId::Fonts}));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(field->text().contains("abc")) << "other keys reach the field";
}

TEST(WaylandNotice, TellsOnceAndOnlyOnWayland) {
    FakePrompts prompts;
    CWaylandNotice("xcb").TellOnce(prompts);
    CWaylandNotice wayland("wayland-egl");
    EXPECT_TRUE(wayland.LimitsWindowPlacement());
    wayland.TellOnce(prompts);
    wayland.TellOnce(prompts);
    EXPECT_EQ(prompts.Shown(),
              QStringList{CWaylandNotice::Caption() + ": " + CWaylandNotice::Text()});
}
