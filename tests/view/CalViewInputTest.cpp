// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QScrollBar>
#include <QSet>
#include <QTimer>
#include <functional>

#include "calendar/DateLib.h"
#include "commands/CommandIds.h"
#include "dialogs/DiaryEntryDlg.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/OptionsTabCtrl.h"
#include "support/WidgetDriver.h"
#include "view/DayTip.h"
#include "view/ViewFixture.h"
#include "view/ViewMarquee.h"

namespace {
constexpr int kMarch6 = 65;  // day of year of Tuesday 6 March 2007
constexpr int kMarch7 = 66;

// Runs `work` on the modal dialog of type Dialog once it is open.
template <typename Dialog>
void WhenOpen(std::function<void(Dialog&, const WidgetDriver&)> work) {
    QTimer::singleShot(0, [work] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        work(*dialog, WidgetDriver(*dialog));
    });
}

class CalViewInputTest : public ViewFixture {
protected:
    QString Shown() const {
        return QString::number(view->Dates().ShownMonth()) + '/' +
               QString::number(view->Dates().ShownYear());
    }
    void ClickDay(int dayOfYear, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, CellCentre(dayOfYear));
    }
    // The date offered by the Diary Entry dialog that `command` opens, cancelled.
    QString OfferedDate(int command) {
        QString shown;
        WhenOpen<CDiaryEntryDlg>([&shown](CDiaryEntryDlg& dialog, const WidgetDriver& d) {
            shown = d.Text("dateEdit") + (dialog.IsNewEntry() ? " new" : " edit");
            d.Click("cancelButton");
        });
        view->OnCommand(command);
        return shown;
    }
    // Opens the context menu and returns the checked commands.
    QSet<int> ContextMenuChecks() {
        QSet<int> checked;
        QTimer::singleShot(0, [&checked] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* action : menu ? menu->actions() : QList<QAction*>())
                if (action->isChecked())
                    checked.insert(action->data().toInt());
            if (menu)
                menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                view->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(view->viewport(), &event);
        return checked;
    }
};

// The steps themselves are the navigation rules' own; here only that the
// commands reach them in the shown view mode, that a window left open
// overnight learns the new day when it is next used, and that the keys
// scroll (with Ctrl, the plain arrows being the day cursor's) a small window
// to the corners of the year.
TEST_F(CalViewInputTest, NavigationCommandsFocusAndKeysMoveThePageAndToday) {
    Open(QSize(160, 120));
    QStringList shown;
    for (const int id : {CommandId::Prev, CommandId::YearView, CommandId::Next, CommandId::This}) {
        view->OnCommand(id);
        shown << Shown();
    }
    EXPECT_EQ(shown, (QStringList{"2/2007", "2/2007", "2/2008", "3/2007"}));
    clock.now = clock.now.addDays(1);
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(view, &focus);
    EXPECT_EQ(view->Dates().TodayDay(), 6);
    QScrollBar* across = view->horizontalScrollBar();
    QScrollBar* down = view->verticalScrollBar();
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_TRUE(down->value() > 0 && across->value() == across->maximum() &&
                down->value() == down->maximum());
    QTest::keyClick(view, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(down->value(), down->maximum() - down->singleStep());
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_TRUE(across->value() == 0 && down->value() == 0);
}

TEST_F(CalViewInputTest, ClickShowsTheDaysMessagesAndATipTheirMarksColour) {
    AddEntry("06032007", "Dentist at nine");  // not today: today's are shown once at start
    AddEntry("06032007", "Bank holiday", 1);
    Put(Key::PublicHolidayTextColor, QString::number(Rgb(0, 255, 255)));
    Open();
    ClickDay(kMarch6);
    // A press between days starts a window drag; the release ending it is no click.
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, CellCentre(kMarch6));
    EXPECT_EQ(prompts.Shown(), QStringList{"Tuesday, March 6 2007: Dentist at nine\nBank holiday"});
    EXPECT_EQ(view->Dates().ShownDay(), 6);
    const QPoint at = CellCentre(kMarch6);
    QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &help);
    auto* tip = view->findChild<CDayTip*>("dayTip");
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->text(), "Dentist at nine\nBank holiday");
    EXPECT_EQ(tip->palette().color(QPalette::Window), QColor(0, 255, 255));
}

TEST_F(CalViewInputTest, NewDiaryEntryOffersTheDayUnderThePointerAndMarksItOnOk) {
    Open();
    QCursor::setPos(view->viewport()->mapToGlobal(CellCentre(kMarch7)));
    EXPECT_EQ(OfferedDate(CommandId::DiaryEntryKey), "07/03/2007 new");
    QCursor::setPos(view->viewport()->mapToGlobal(QPoint(-50, -50)));
    EXPECT_EQ(OfferedDate(CommandId::NewDiaryEntry), "00/00/0000 new");
    WhenOpen<CDiaryEntryDlg>([](CDiaryEntryDlg&, const WidgetDriver& d) {
        d.Type("messageEdit", "Dentist");
        d.Click("okButton");
    });
    ClickDay(kMarch7, Qt::ShiftModifier);
    EXPECT_EQ(view->MonthIndex().Mark(kMarch7), kOrdinaryEntry);
    WhenOpen<CDiaryEntryDlg>([](CDiaryEntryDlg&, const WidgetDriver& d) {
        d.Click("deleteButton");
        d.Click("cancelButton");
    });
    EXPECT_TRUE(view->OnCommand(CommandId::EditDiary));
    EXPECT_EQ(view->MonthIndex().Mark(kMarch7), kNoEntry) << "a delete stands even when cancelled";
    ClickDay(kMarch7, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(prompts.messages.last().text, "No Messages!") << "Ctrl+Shift checks the day";
}

// The moves are the day cursor's rule; here that the page follows the focus
// day into another month, that the frame shows on it while the view has the
// focus, and that Return and the menu key act for that day.
TEST_F(CalViewInputTest, KeysMoveTheFocusDayAndActForIt) {
    Open();
    frame.activateWindow();
    view->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QStringList shown;
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_Up}) {
        QTest::keyClick(view, key);
        shown << QString::number(view->Dates().ShownDay()) + '/' + Shown();
    }
    EXPECT_EQ(shown, (QStringList{"6/3/2007", "6/4/2007", "5/3/2007", "26/2/2007"}));
    const QRect cell = view->Cursor().FocusCell();
    EXPECT_EQ(Paint().pixelColor(cell.left() - 2, cell.center().y()), QColor(Qt::black));
    EXPECT_EQ(cell.center(), CellCentre(DayOfYear(2, 26, 2007)));
    QString offered;
    WhenOpen<CDiaryEntryDlg>([&offered](CDiaryEntryDlg&, const WidgetDriver& d) {
        offered = d.Text("dateEdit");
        d.Click("cancelButton");
    });
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(offered, "26/02/2007");
    QTimer::singleShot(0, [&offered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        offered = QString();
        WhenOpen<CDiaryEntryDlg>([&offered](CDiaryEntryDlg&, const WidgetDriver& d) {
            offered = d.Text("dateEdit");
            d.Click("cancelButton");
        });
        for (QAction* action : menu->actions())
            if (action->data().toInt() == CommandId::NewDiaryEntry)
                action->trigger();
        menu->close();
    });
    QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(offered, "26/02/2007") << "the menu's New Diary Entry takes the focus day";
}

// Assistive technology reads the page through the view's accessible interface.
TEST_F(CalViewInputTest, AccessibleDaysTellTheirDateMessagesAndFocus) {
    AddEntry("06032007", "Dentist at nine");
    AddEntry("06032007", "Bank holiday", 1);
    Open();
    frame.activateWindow();
    view->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(view);
    ASSERT_EQ(page->childCount(), 31);
    QAccessibleInterface* march6 = page->child(5);
    EXPECT_EQ(march6->text(QAccessible::Name),
              QLocale().toString(QDate(2007, 3, 6), QLocale::LongFormat));
    EXPECT_EQ(march6->text(QAccessible::Description),
              "Public holiday\nDentist at nine\nBank holiday");
    EXPECT_EQ(page->child(4)->text(QAccessible::Description), "Today");
    EXPECT_EQ(page->childAt(march6->rect().center().x(), march6->rect().center().y()), march6);
    EXPECT_EQ(page->focusChild(), page->child(4));
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(page->focusChild(), march6);
    EXPECT_TRUE(march6->state().focused && !page->child(4)->state().focused);
}

// Which marks a state gives is the menu table's rule, each colour command's
// key the colour table's, what each Options page stores the dialog's, and the
// double-click and the frame's place under a window manager are the window
// modes' tests; here that the modes change the frame at once, the context menu
// follows them, one colour command and the font reach the view's own colours
// and font, and Options applies every page after closing, even when cancelled.
TEST_F(CalViewInputTest, SettingCommandsReachTheFrameAndTheViewAtOnce) {
    AddEntry("01******", "every first");  // in month view marked only for 31 days
    Open();
    view->OnCommand(CommandId::NoMenu);
    EXPECT_EQ(Stored(Key::Menu), "True");
    EXPECT_FALSE(frame.windowFlags().testFlag(Qt::FramelessWindowHint));
    view->OnCommand(CommandId::NoMenu);
    EXPECT_TRUE(frame.windowFlags().testFlag(Qt::FramelessWindowHint));
    view->OnCommand(CommandId::AlwaysOnTop);
    EXPECT_TRUE(frame.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(ContextMenuChecks(),
              (QSet<int>{CommandId::ShowMarquee, CommandId::AlwaysOnTop, CommandId::NoMenu}));
    prompts.colourAnswers = {Rgb(12, 34, 56)};
    view->OnCommand(CommandId::PublicHolidayBackgroundColour);
    EXPECT_EQ(view->Settings().colours.holidayBackground, Rgb(12, 34, 56));
    prompts.fontAnswers = {FontChoice{"DejaVu Serif", -16, Rgb(0, 0, 0)}};
    view->OnCommand(CommandId::Fonts);
    EXPECT_EQ(view->RegularFont().family(), "DejaVu Serif");
    WhenOpen<COptionsDlg>([](COptionsDlg& dialog, const WidgetDriver& d) {
        d.Type("marqueeSecsEdit", "50");
        dialog.Tabs()->setCurrentIndex(COptionsTabCtrl::YearViewIndex);
        d.Click("yearViewCheck");
        d.Click("okButton");
    });
    EXPECT_TRUE(view->OnCommand(CommandId::Options));
    EXPECT_TRUE(view->Settings().yearView);
    EXPECT_EQ(view->MonthIndex().Mark(DayOfYear(6, 1, 2007)), kOrdinaryEntry)
        << "marks for the year";
    EXPECT_EQ(view->Marquee()->Timer().interval(), 50);
    prompts.colourAnswers.append(Rgb(255, 0, 0));
    WhenOpen<COptionsDlg>([](COptionsDlg&, const WidgetDriver& d) {
        d.Click("marqueeTextColourButton");
        d.Click("cancelButton");
    });
    view->OnCommand(CommandId::Options);
    EXPECT_EQ(view->Settings().marquee.textColour, Rgb(255, 0, 0))
        << "the colour was written at once";
}

// Which day goes in which cell is the month text's rule; here that the
// Calendar page reaches the month page and the year view at once, with the
// week-number column before Monday, and that clicks follow the days.
TEST_F(CalViewInputTest, CalendarOptionsMoveTheDaysAndTheirClicks) {
    AddEntry("12032007", "Monday the twelfth");
    Open();
    const auto cell = [this](int month, int day) {
        return view->DayCells()[DayOfYear(month, day, 2007)];
    };
    WhenOpen<COptionsDlg>([](COptionsDlg& dialog, const WidgetDriver& d) {
        dialog.Tabs()->setCurrentIndex(COptionsTabCtrl::CalendarIndex);
        d.Find<QComboBox>("weekStartCombo")->setCurrentIndex(1);
        d.Click("weekNumbersCheck");
        d.Click("okButton");
    });
    view->OnCommand(CommandId::Options);
    EXPECT_TRUE(cell(3, 4).top == cell(3, 1).top && cell(3, 4).left > cell(3, 3).left)
        << "Sunday closes the first row";
    // Eight cells centred in the window: Sunday, the last, ends four cells
    // right of the middle.
    const int pitch = cell(3, 6).right - cell(3, 5).right;
    EXPECT_NEAR(cell(3, 4).right, view->viewport()->width() / 2 + 4 * pitch, 2);
    ClickDay(DayOfYear(3, 12, 2007));
    EXPECT_EQ(prompts.Shown().last(), "Monday, March 12 2007: Monday the twelfth");
    view->OnCommand(CommandId::YearView);
    EXPECT_TRUE(cell(1, 7).top == cell(1, 1).top && cell(1, 8).left == cell(1, 1).left)
        << "1 January 2007, a Monday, opens its row";
}

}  // namespace
