#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/MainFrame.h"
#include "commands/CommandIds.h"
#include "settings/SettingsKeys.h"
#include "settings/WindowPlacement.h"
#include "view/ViewTestWindow.h"

namespace {
// The real frame around a real view, as the application builds them.
class MainFrameMenusTest : public ::testing::Test {
protected:
    void Open() {
        frame = std::make_unique<CMainFrame>(w.store);
        view = new CCalView(w.services, w.settings, frame.get());
        frame->setCentralWidget(view);
        frame->AttachView(*view, w.settings);
        view->OnCreate();
        frame->ActivateFrame();
        (void)QTest::qWaitForWindowExposed(frame.get());
        view->setFocus();
    }

    QAction* BarAction(int id) {
        for (QAction* top : frame->menuBar()->actions()) {
            if (top->data().toInt() == id)
                return top;
            if (top->menu()) {
                for (QAction* item : top->menu()->actions())
                    if (item->data().toInt() == id && !item->isSeparator())
                        return item;
            }
        }
        return nullptr;
    }

    ViewTestWindow w;
    std::unique_ptr<CMainFrame> frame;
    CCalView* view = nullptr;
};
}  // namespace

TEST_F(MainFrameMenusTest, MenuBarOffersTheCommandsThatHaveHandlers) {
    Open();
    QStringList titles;
    for (const QAction* action : frame->menuBar()->actions()) titles.append(action->text());
    EXPECT_EQ(titles.mid(0, 3), (QStringList{"&File", "&Edit", "&Config"}));
    EXPECT_TRUE(titles.contains("&Prev") && titles.contains("&Help"));
    for (int id : {CommandId::FileOpen, CommandId::AlwaysOnTop, CommandId::NoMenu, CommandId::Exit,
                   CommandId::CheckDiary, CommandId::NewDiaryEntry, CommandId::EditDiary,
                   CommandId::Fonts, CommandId::YearView, CommandId::Prev, CommandId::QuickHelp,
                   CommandId::About, CommandId::Sponsor})
        EXPECT_NE(BarAction(id), nullptr) << id;
    EXPECT_EQ(BarAction(CommandId::FileOpen)->text(), "&Open...\tCtrl+O");
}

TEST_F(MainFrameMenusTest, MenuItemsRunTheirCommands) {
    Open();
    BarAction(CommandId::Next)->trigger();
    EXPECT_EQ(view->Dates().ShownMonth(), 4);
    BarAction(CommandId::CheckDiary)->trigger();
    ASSERT_EQ(w.prompts.messages.size(), 1);
    EXPECT_EQ(w.prompts.messages[0].text, "No Messages!");
}

TEST_F(MainFrameMenusTest, MenuMarksFollowTheStateWheneverAMenuOpens) {
    w.store.WriteText("Settings", Key::Menu, "True");
    w.store.WriteText("Settings", Key::OnTop, "True");
    w.store.WriteText("Settings", Key::YearView, "True");
    w.store.WriteText("Settings", Key::ShowPicture, "True");
    Open();
    EXPECT_TRUE(frame->menuBar()->isVisible());
    EXPECT_TRUE(BarAction(CommandId::AlwaysOnTop)->isChecked());
    EXPECT_TRUE(BarAction(CommandId::YearView)->isChecked());

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
    Open();
    EXPECT_FALSE(frame->menuBar()->isVisible());
    QTest::keyClick(view, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(view->Dates().ShownMonth(), 2);
    QTest::keyClick(view, Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(frame->menuBar()->isVisible());
    // Alt+F is Fonts, not the File menu.
    QTest::keyClick(view, Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(w.prompts.fontRequests.size(), 1);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(view, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(w.prompts.colourRequests.size(), 1);
    QTest::keyClick(view, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(view->Dates().ShownMonth(), 3);
}

TEST_F(MainFrameMenusTest, AboutOpensFromItsKeyAndExitSavesThePlacement) {
    Open();
    QString caption;
    QTimer::singleShot(0, [&caption] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            caption = dialog->windowTitle();
            dialog->close();
        }
    });
    QTest::keyClick(view, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(caption, "About Calendar");

    frame->move(40, 60);
    view->OnCommand(CommandId::ExitNow);
    EXPECT_FALSE(frame->isVisible());
    frame.reset();
    EXPECT_EQ(LoadWindowPlacement(w.store).normalRect.left, 40);
    EXPECT_EQ(LoadWindowPlacement(w.store).normalRect.top, 60);
}
