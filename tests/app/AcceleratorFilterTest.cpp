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

namespace {
class AcceleratorFilterTest : public ::testing::Test {
protected:
    AcceleratorFilterTest() {
        window.setCentralWidget(field);
        filter = std::make_unique<CAcceleratorFilter>(
            window, [this](int id) { return id != CommandId::DiaryEntryKey; },
            [this](int id) { commands.append(id); });
        qApp->installEventFilter(filter.get());
        window.show();
        window.activateWindow();
        field->setFocus();
    }
    ~AcceleratorFilterTest() override { qApp->removeEventFilter(filter.get()); }

    QMainWindow window;
    QLineEdit* field = new QLineEdit;
    std::unique_ptr<CAcceleratorFilter> filter;
    QList<int> commands;
};
}  // namespace

TEST_F(AcceleratorFilterTest, KeysOfTheTableWinOverAccessKeysAndOtherKeysPassOn) {
    window.menuBar()->addMenu("&File");
    QTest::keyClick(field, Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(field, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(field, Qt::Key_D, Qt::AltModifier);  // not offered
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
    CWaylandNotice x11("xcb");
    x11.TellOnce(prompts);
    EXPECT_TRUE(prompts.messages.isEmpty());

    CWaylandNotice wayland("wayland-egl");
    EXPECT_TRUE(wayland.LimitsWindowPlacement());
    wayland.TellOnce(prompts);
    wayland.TellOnce(prompts);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, CWaylandNotice::Text());
}
