// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/MainFrame.h"
#include "commands/CommandIds.h"
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

    QAction* BarAction(int id) {
        for (QAction* top : mainFrame->menuBar()->actions()) {
            for (QAction* item : top->menu() ? top->menu()->actions() : QList<QAction*>{top})
                if (item->data().toInt() == id && !item->isSeparator())
                    return item;
        }
        return nullptr;
    }

    std::unique_ptr<CMainFrame> mainFrame;
};

TEST_F(MainFrameMenusTest, MenuBarOffersTheCommandsThatHaveHandlersAndRunsThem) {
    OpenFrame();
    // Which entries a menu keeps and their texts are the menu tables'; here
    // the frame's own commands and the view's both reach the bar and run.
    EXPECT_NE(BarAction(CommandId::Exit), nullptr);
    BarAction(CommandId::Next)->trigger();
    EXPECT_EQ(view->Dates().ShownMonth(), 4);
    BarAction(CommandId::CheckDiary)->trigger();
    EXPECT_EQ(prompts.messages.size(), 1);
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
    EXPECT_TRUE(BarAction(CommandId::ShowPicture)->isChecked());
    EXPECT_TRUE(BarAction(CommandId::YearView)->isChecked());
}

TEST_F(MainFrameMenusTest, AcceleratorsWorkWithAndWithoutTheMenuBar) {
    OpenFrame();
    QTest::keyClick(view, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(view->Dates().ShownMonth(), 2);
    QTest::keyClick(view, Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(mainFrame->menuBar()->isVisible());
    QTest::keyClick(view, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(view->Dates().ShownMonth(), 3);
}

// Where the frame is saved is the window test's: only its destruction saves.
TEST_F(MainFrameMenusTest, AboutOpensFromItsKeyAndExitClosesTheFrame) {
    OpenFrame();
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
}  // namespace
