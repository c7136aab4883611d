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

TEST_F(AcceleratorFilterTest, KeysOfTheTableRunTheirCommands) {
    QTest::keyClick(field, Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(field, Qt::Key_Up, Qt::AltModifier);
    QTest::keyClick(field, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(commands, (QList<int>{CommandId::Prev, CommandId::AlwaysOnTop, CommandId::FileOpen,
                                    CommandId::Sponsor}));
    EXPECT_TRUE(field->text().isEmpty());
}

TEST_F(AcceleratorFilterTest, AcceleratorsWinOverTheMenuBarsAccessKeys) {
    window.menuBar()->addMenu("&File");
    window.menuBar()->addMenu("&Config");
    QTest::keyClick(field, Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(field, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(commands, (QList<int>{CommandId::Fonts, CommandId::CheckDiary}));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(AcceleratorFilterTest, OtherKeysAndCommandsNotOfferedPassOn) {
    QTest::keyClicks(field, "abc");
    QTest::keyClick(field, Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(commands.isEmpty());
    EXPECT_TRUE(field->text().startsWith("abc"));
}

TEST_F(AcceleratorFilterTest, OtherWindowsKeepTheirKeys) {
    QLineEdit other;
    other.show();
    QTest::keyClick(&other, Qt::Key_Left, Qt::AltModifier);
    EXPECT_TRUE(commands.isEmpty());
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
