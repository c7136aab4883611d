// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/MainFrame.h"
#include "commands/CommandIds.h"
#include "view/MenuBuilder.h"
#include "view/ViewFixture.h"

namespace {
// The real frame around a real view, as the application builds them.
class MainFrameMenusTest : public ViewFixture {
protected:
    void OpenFrame() {
        mainFrame = std::make_unique<CMainFrame>(store);
        view = new CCalView(services, settings, mainFrame.get());
        mainFrame->setCentralWidget(view);
        mainFrame->AttachView(*view, settings);
        view->OnCreate();
        mainFrame->ActivateFrame();
        (void)QTest::qWaitForWindowExposed(mainFrame.get());
        view->setFocus();
    }

    QAction* BarAction(int id) { return FindCommandAction(*mainFrame->menuBar(), id); }

    std::unique_ptr<CMainFrame> mainFrame;
};

// Which entries a menu keeps and their texts are the menu tables', which key
// wins the accelerator filter's, and where the frame is saved the window
// test's; here the frame's own commands and the view's reach the bar and the
// keys, with and without the menu bar, and run.
TEST_F(MainFrameMenusTest, MenuBarAndKeysRunTheFramesAndTheViewsCommands) {
    OpenFrame();
    EXPECT_NE(BarAction(CommandId::Exit), nullptr);
    BarAction(CommandId::Next)->trigger();
    BarAction(CommandId::CheckDiary)->trigger();
    EXPECT_EQ(prompts.messages.size(), 1);
    // The month shown, and "+bar" while the menu bar is: after Next, then
    // after each of Alt+Left, Alt+M, Alt+Left and Alt+Down (This).
    std::string seen = std::to_string(view->Dates().ShownMonth());
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_M, Qt::Key_Left, Qt::Key_Down}) {
        QTest::keyClick(view, key, Qt::AltModifier);
        seen += ' ' + std::to_string(view->Dates().ShownMonth()) +
                (mainFrame->menuBar()->isVisible() ? "+bar" : "");
    }
    EXPECT_EQ(seen, "4 3 3+bar 2+bar 3+bar");
    QString caption;
    QTimer::singleShot(0, [&caption] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            caption = dialog->windowTitle();
            dialog->close();
        }
    });
    QTest::keyClick(view, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(caption, "About Calendar");
    view->OnCommand(CommandId::ExitNow);
    EXPECT_FALSE(mainFrame->isVisible());
}

TEST_F(MainFrameMenusTest, MenuMarksFollowTheStateWheneverAMenuOpens) {
    for (Key key : {Key::Menu, Key::OnTop, Key::YearView, Key::ShowPicture}) Put(key, "True");
    OpenFrame();
    EXPECT_TRUE(mainFrame->menuBar()->isVisible());
    EXPECT_EQ(mainFrame->windowFlags() & (Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
              Qt::WindowStaysOnTopHint)
        << "the stored modes are applied as the frame is made";
    EXPECT_TRUE(BarAction(CommandId::AlwaysOnTop)->isChecked());
    // Hidden and shown again, the bar still shows every option that is on.
    view->OnCommand(CommandId::NoMenu);
    view->OnCommand(CommandId::NoMenu);
    auto* config = qobject_cast<QMenu*>(BarAction(CommandId::ShowPicture)->parent());
    ASSERT_NE(config, nullptr);
    emit config->aboutToShow();
    EXPECT_TRUE(BarAction(CommandId::ShowPicture)->isChecked() &&
                BarAction(CommandId::YearView)->isChecked());
}
}  // namespace
