#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>

#include "commands/CommandIds.h"
#include "dialogs/DiaryEntryDlg.h"
#include "settings/SettingsKeys.h"
#include "view/DayTip.h"
#include "view/ViewTestWindow.h"

namespace {
constexpr int kMarch5 = 64;  // day of year of Monday 5 March 2007
constexpr int kMarch6 = 65;
constexpr int kMarch7 = 66;
constexpr int kMarch8 = 67;

class CalViewInputTest : public ::testing::Test {
protected:
    ViewTestWindow w;

    void ExpectShown(int month, int year) {
        EXPECT_EQ(w.view->Dates().ShownMonth(), month);
        EXPECT_EQ(w.view->Dates().ShownYear(), year);
    }

    // Asks the view for the tip over a day and returns it, or null when none shows.
    CDayTip* TipOver(int dayOfYear) {
        const QPoint at = w.CellCentre(dayOfYear);
        QHelpEvent help(QEvent::ToolTip, at, w.view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(w.view->viewport(), &help);
        auto* tip = w.view->findChild<CDayTip*>("dayTip");
        return tip && tip->isVisible() ? tip : nullptr;
    }

    // Opens the context menu and returns the checked state of every checkable item.
    QMap<int, bool> ContextMenuChecks() {
        QMap<int, bool> checks;
        QTimer::singleShot(0, [&checks] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                if (action->isCheckable())
                    checks[action->data().toInt()] = action->isChecked();
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                w.view->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w.view->viewport(), &event);
        return checks;
    }
};
}  // namespace

TEST_F(CalViewInputTest, PrevNextAndThisStepMonthsInMonthView) {
    w.Open();
    w.view->OnCommand(CommandId::Prev);
    ExpectShown(2, 2007);
    w.view->OnCommand(CommandId::Prev);
    w.view->OnCommand(CommandId::Prev);
    ExpectShown(12, 2006);
    w.view->OnCommand(CommandId::Next);
    ExpectShown(1, 2007);
    w.view->OnCommand(CommandId::This);
    ExpectShown(3, 2007);
}

TEST_F(CalViewInputTest, PrevAndNextStepYearsInYearViewDownTo1585) {
    w.store.WriteText("Settings", Key::YearView, "True");
    w.Open();
    w.view->OnCommand(CommandId::Next);
    ExpectShown(3, 2008);
    w.view->Dates().SetShown(1, 3, 1586);
    w.view->OnCommand(CommandId::Prev);
    ExpectShown(3, 1585);
    w.view->OnCommand(CommandId::Prev);
    ExpectShown(3, 1585);
    w.view->OnCommand(CommandId::This);
    ExpectShown(3, 2007);
}

TEST_F(CalViewInputTest, ClickOnADayShowsItsMessagesOrNoMessages) {
    // Not today: today's messages are shown once when the view starts.
    w.AddEntry("06032007", "Dentist at nine");
    w.Open();
    ASSERT_TRUE(w.prompts.messages.isEmpty());
    QTest::mouseClick(w.view->viewport(), Qt::LeftButton, {}, w.CellCentre(kMarch6));
    ASSERT_EQ(w.prompts.messages.size(), 1);
    EXPECT_TRUE(w.prompts.messages[0].text.contains("Dentist at nine"));
    EXPECT_EQ(w.view->Dates().ShownDay(), 6);

    QTest::mouseClick(w.view->viewport(), Qt::LeftButton, {}, w.CellCentre(kMarch7));
    ASSERT_EQ(w.prompts.messages.size(), 2);
    EXPECT_EQ(w.prompts.messages[1].text, "No Messages!");
    EXPECT_EQ(w.view->Dates().ShownDay(), 7);

    // Between the days nothing is asked.
    QTest::mouseClick(w.view->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(w.prompts.messages.size(), 2);
}

TEST_F(CalViewInputTest, ShiftClickOpensANewEntryForThatDayAndCtrlShiftChecksIt) {
    w.Open();
    QStringList dates;
    QList<bool> newEntries;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CDiaryEntryDlg*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dates.append(dialog->DateText());
        newEntries.append(dialog->IsNewEntry());
        dialog->reject();
    });
    QTest::mouseClick(w.view->viewport(), Qt::LeftButton, Qt::ShiftModifier, w.CellCentre(kMarch7));
    EXPECT_EQ(dates, QStringList{"07032007"});
    EXPECT_EQ(newEntries, QList<bool>{true});
    EXPECT_TRUE(w.prompts.messages.isEmpty());

    QTest::mouseClick(w.view->viewport(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier,
                      w.CellCentre(kMarch7));
    EXPECT_EQ(dates.size(), 1);
    ASSERT_EQ(w.prompts.messages.size(), 1);
    EXPECT_EQ(w.prompts.messages[0].text, "No Messages!");
}

TEST_F(CalViewInputTest, ContextMenuChecksFollowTheState) {
    w.Open();
    QMap<int, bool> checks = ContextMenuChecks();
    // Show marquee is offered once the view handles it.
    const bool marqueeOffered = CCalView::RoutesCommand(CommandId::ShowMarquee);
    ASSERT_EQ(checks.size(), marqueeOffered ? 5 : 4);
    EXPECT_FALSE(checks[CommandId::AlwaysOnTop]);
    EXPECT_FALSE(checks[CommandId::YearView]);
    EXPECT_FALSE(checks[CommandId::ShowPicture]);
    // First start: the frame has no menu.
    EXPECT_TRUE(checks[CommandId::NoMenu]);

    w.view->OnCommand(CommandId::YearView);
    w.view->OnCommand(CommandId::ShowPicture);
    w.view->OnCommand(CommandId::NoMenu);
    checks = ContextMenuChecks();
    EXPECT_TRUE(checks[CommandId::YearView]);
    EXPECT_TRUE(checks[CommandId::ShowPicture]);
    EXPECT_FALSE(checks[CommandId::NoMenu]);
    if (marqueeOffered) {
        EXPECT_EQ(checks[CommandId::ShowMarquee], w.view->Settings().marquee.on);
    }
}

TEST_F(CalViewInputTest, NoMenuTwiceReturnsTheSameGeometry) {
    w.Open();
    w.frame.move(120, 90);
    const QRect before = w.frame.geometry();
    EXPECT_FALSE(w.frame.menuBar()->isVisible());
    w.view->OnCommand(CommandId::NoMenu);
    EXPECT_EQ(w.Stored(Key::Menu), "True");
    EXPECT_FALSE(w.frame.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(w.frame.geometry(), before);
    w.view->OnCommand(CommandId::NoMenu);
    EXPECT_EQ(w.Stored(Key::Menu), "False");
    EXPECT_TRUE(w.frame.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(w.frame.geometry(), before);
}

TEST_F(CalViewInputTest, DoubleClickTogglesNoMenu) {
    w.Open();
    QTest::mouseDClick(w.view->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(w.Stored(Key::Menu), "True");
}

TEST_F(CalViewInputTest, AlwaysOnTopTogglesTheHintAndTheSetting) {
    w.Open();
    w.view->OnCommand(CommandId::AlwaysOnTop);
    EXPECT_TRUE(w.frame.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(w.Stored(Key::OnTop), "True");
    w.view->OnCommand(CommandId::AlwaysOnTop);
    EXPECT_FALSE(w.frame.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(w.Stored(Key::OnTop), "False");
}

TEST_F(CalViewInputTest, EachColourCommandWritesItsKeyAndCancelWritesNothing) {
    w.Open();
    const std::pair<int, const char*> commands[] = {{32774, Key::TextColor},
                                                    {32773, Key::BackgroundColor},
                                                    {32799, Key::TodayTextColor},
                                                    {32800, Key::TodayBackgroundColor},
                                                    {32797, Key::DiaryEntryTextColor},
                                                    {32798, Key::DiaryEntryBackgroundColor},
                                                    {32802, Key::PublicHolidayTextColor},
                                                    {32804, Key::PublicHolidayBackgroundColor}};
    for (const auto& [id, key] : commands) {
        const QString before = w.Stored(key);
        w.prompts.colourAnswers = {std::nullopt};
        w.view->OnCommand(id);
        EXPECT_EQ(w.Stored(key), before) << key;
        w.prompts.colourAnswers = {Rgb(12, 34, 56)};
        w.view->OnCommand(id);
        EXPECT_EQ(w.Stored(key), QString::number(Rgb(12, 34, 56))) << key;
    }
    EXPECT_EQ(w.view->Settings().colours.holidayBackground, Rgb(12, 34, 56));
    EXPECT_EQ(w.prompts.colourRequests.size(), 16);
}

TEST_F(CalViewInputTest, FontsCommandKeepsFaceAndSizeOnly) {
    w.Open();
    w.prompts.fontAnswers = {FontChoice{"DejaVu Serif", -16, Rgb(0, 0, 0)}};
    w.view->OnCommand(CommandId::Fonts);
    EXPECT_EQ(w.Stored(Key::Font), "DejaVu Serif");
    EXPECT_EQ(w.Stored(Key::FontSize), "-16");
    EXPECT_EQ(w.view->RegularFont().family(), "DejaVu Serif");
    EXPECT_FALSE(w.view->RegularFont().bold());
    EXPECT_FALSE(w.view->RegularFont().italic());
}

TEST_F(CalViewInputTest, TipsShowTheDaysMessagesInTheMarksColours) {
    w.AddEntry("05032007", "Dentist");
    w.AddEntry("06032007", "Spring holiday", 1);
    w.AddEntry("07032007", "Party", 0);
    w.AddEntry("07032007", "Bank holiday", 1);
    w.store.WriteText("Settings", Key::DiaryEntryTextColor, QString::number(Rgb(255, 128, 128)));
    w.store.WriteText("Settings", Key::PublicHolidayTextColor, QString::number(Rgb(0, 255, 255)));
    w.Open();

    CDayTip* tip = TipOver(kMarch5);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->text(), "Dentist");
    EXPECT_EQ(tip->palette().color(QPalette::Window), QColor(255, 128, 128));
    EXPECT_EQ(tip->palette().color(QPalette::WindowText), QColor(0, 0, 0));

    tip = TipOver(kMarch6);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->text(), "Spring holiday");
    EXPECT_EQ(tip->palette().color(QPalette::Window), QColor(0, 255, 255));

    tip = TipOver(kMarch7);
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->text().contains("Party") && tip->text().contains("Bank holiday"));
    EXPECT_EQ(tip->palette().color(QPalette::Window), QColor(0, 255, 255));

    EXPECT_EQ(TipOver(kMarch8), nullptr);
}

TEST_F(CalViewInputTest, TipOfABlackMarkIsPaleYellowAndLongTextsAreCut) {
    const QString longText = QString("A very long reminder ").repeated(5);
    w.AddEntry("05032007", longText.toLatin1().constData());
    w.store.WriteText("Settings", Key::DiaryEntryTextColor, QString::number(Rgb(0, 0, 0)));
    w.Open();
    CDayTip* tip = TipOver(kMarch5);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->text(), longText.left(79));
    EXPECT_EQ(tip->palette().color(QPalette::Window), QColor(255, 255, 128));
    EXPECT_LE(tip->width(), 128 + 2 * 4);
}

TEST_F(CalViewInputTest, HomeAndEndScrollToTheCorners) {
    w.store.WriteText("Settings", Key::YearView, "True");
    w.Open(QSize(160, 120));
    QScrollBar* across = w.view->horizontalScrollBar();
    QScrollBar* down = w.view->verticalScrollBar();
    ASSERT_GT(across->maximum(), 0);
    ASSERT_GT(down->maximum(), 0);
    QTest::keyClick(w.view, Qt::Key_End);
    EXPECT_EQ(across->value(), across->maximum());
    EXPECT_EQ(down->value(), down->maximum());
    QTest::keyClick(w.view, Qt::Key_Up);
    EXPECT_EQ(down->value(), down->maximum() - down->singleStep());
    QTest::keyClick(w.view, Qt::Key_Home);
    EXPECT_EQ(across->value(), 0);
    EXPECT_EQ(down->value(), 0);
    QTest::keyClick(w.view, Qt::Key_Right);
    EXPECT_EQ(across->value(), std::min(across->maximum(), across->pageStep()));
}

TEST_F(CalViewInputTest, DraggingByEmptySpaceMovesACaptionlessWindowOnly) {
    w.Open();
    w.frame.move(100, 100);
    const QPoint start = w.frame.pos();
    QTest::mousePress(w.view->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseMove(w.view->viewport(), QPoint(33, 23));
    QTest::mouseRelease(w.view->viewport(), Qt::LeftButton, {}, QPoint(33, 23));
    EXPECT_EQ(w.frame.pos(), start + QPoint(30, 20));

    // A press on a day is a click, never a drag.
    const QPoint moved = w.frame.pos();
    const QPoint day = w.CellCentre(kMarch6);
    QTest::mousePress(w.view->viewport(), Qt::LeftButton, {}, day);
    QTest::mouseMove(w.view->viewport(), day + QPoint(30, 20));
    QTest::mouseRelease(w.view->viewport(), Qt::LeftButton, {}, day + QPoint(30, 20));
    EXPECT_EQ(w.frame.pos(), moved);

    // With the title bar back the window is moved the usual way.
    w.view->OnCommand(CommandId::NoMenu);
    const QPoint titled = w.frame.pos();
    QTest::mousePress(w.view->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseMove(w.view->viewport(), QPoint(33, 23));
    QTest::mouseRelease(w.view->viewport(), Qt::LeftButton, {}, QPoint(33, 23));
    EXPECT_EQ(w.frame.pos(), titled);
}
