#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "calendar/DateLib.h"
#include "commands/CommandIds.h"
#include "dialogs/DiaryEntryDlg.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/OptionsTabCtrl.h"
#include "view/CalViewFixture.h"
#include "view/ViewMarquee.h"

namespace {
using CalViewDialogsTest = CalViewFixture;

// Runs `work` on the modal dialog of type Dialog once it is open.
template <typename Dialog>
void WhenOpen(std::function<void(Dialog&)> work) {
    QTimer::singleShot(0, [work] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        work(*dialog);
    });
}

void Click(QWidget& dialog, const char* name) {
    QAbstractButton* button = dialog.findChild<QAbstractButton*>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void Retype(QWidget& dialog, const char* name, const QString& text) {
    QLineEdit* edit = dialog.findChild<QLineEdit*>(QLatin1String(name));
    ASSERT_NE(edit, nullptr) << name;
    edit->selectAll();
    QTest::keyClicks(edit, text);
}
}  // namespace

TEST_F(CalViewDialogsTest, ANewEntryMarksItsDayOnThePage) {
    CCalView& v = MakeView();
    ASSERT_EQ(v.MonthIndex().Mark(DayOfYear(3, 12, 2007)), kNoEntry);
    WhenOpen<CDiaryEntryDlg>([](CDiaryEntryDlg& dialog) {
        Retype(dialog, "messageEdit", QStringLiteral("Dentist"));
        Click(dialog, "okButton");
    });
    v.RunDiaryEntryDialog(QStringLiteral("12032007"), true);
    EXPECT_EQ(v.MonthIndex().Mark(DayOfYear(3, 12, 2007)), kOrdinaryEntry);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(CalViewDialogsTest, DeletingInEditDiaryUnmarksTheDayEvenWhenCancelled) {
    AddEntry(QStringLiteral("12032007"), QStringLiteral("Dentist"));
    CCalView& v = MakeView();
    ASSERT_EQ(v.MonthIndex().Mark(DayOfYear(3, 12, 2007)), kOrdinaryEntry);
    WhenOpen<CDiaryEntryDlg>([](CDiaryEntryDlg& dialog) {
        Click(dialog, "deleteButton");
        Click(dialog, "cancelButton");
    });
    v.RunDiaryEntryDialog(QStringLiteral("12032007"), false);
    EXPECT_EQ(v.MonthIndex().Mark(DayOfYear(3, 12, 2007)), kNoEntry);
}

TEST_F(CalViewDialogsTest, NewDiaryEntryOverNoDayPresetsNoDate) {
    CCalView& v = MakeView();
    QCursor::setPos(v.viewport()->mapToGlobal(QPoint(-50, -50)));
    QString shown;
    WhenOpen<CDiaryEntryDlg>([&shown](CDiaryEntryDlg& dialog) {
        shown = dialog.findChild<QLineEdit*>(QStringLiteral("dateEdit"))->text();
        Click(dialog, "cancelButton");
    });
    EXPECT_TRUE(v.OnCommand(CommandId::NewDiaryEntry));
    EXPECT_EQ(shown, QStringLiteral("00/00/0000"));
}

TEST_F(CalViewDialogsTest, OptionsAppliesThePictureAndYearViewAfterClosing) {
    CCalView& v = MakeView();
    int reloads = 0;
    QObject::connect(&v, &CCalView::OptionsReloaded, [&reloads] { ++reloads; });
    WhenOpen<COptionsDlg>([](COptionsDlg& dialog) {
        Retype(dialog, "marqueeSecsEdit", QStringLiteral("50"));
        dialog.Tabs()->setCurrentIndex(COptionsTabCtrl::PictureIndex);
        Click(dialog, "showPictureCheck");
        dialog.Tabs()->setCurrentIndex(COptionsTabCtrl::YearViewIndex);
        Click(dialog, "yearViewCheck");
        Retype(dialog, "monthsAcrossEdit", QStringLiteral("6"));
        Retype(dialog, "monthsDownEdit", QStringLiteral("2"));
        Click(dialog, "okButton");
    });
    EXPECT_TRUE(v.OnCommand(CommandId::Options));
    EXPECT_EQ(reloads, 1);
    EXPECT_TRUE(v.Settings().showPicture);
    EXPECT_TRUE(v.Settings().yearView);
    EXPECT_EQ(v.Settings().grid.across, 6);
    EXPECT_EQ(v.Settings().grid.down, 2);
    EXPECT_EQ(v.Settings().marquee.secs, 50);
}

TEST_F(CalViewDialogsTest, OptionsCancelStillReloadsTheImmediateWrites) {
    CCalView& v = MakeView();
    prompts.colourAnswers.append(Rgb(255, 0, 0));
    WhenOpen<COptionsDlg>([](COptionsDlg& dialog) {
        Click(dialog, "marqueeTextColourButton");
        Click(dialog, "fileMinutesRadio");
        Retype(dialog, "marqueeSecsEdit", QStringLiteral("50"));
        Click(dialog, "cancelButton");
    });
    v.OnCommand(CommandId::Options);
    EXPECT_EQ(v.Settings().marquee.textColour, Rgb(255, 0, 0));
    EXPECT_EQ(v.Settings().marquee.checkFileUnits, QStringLiteral("Minutes"));
    EXPECT_EQ(v.Settings().marquee.secs, 25);
}

TEST_F(CalViewDialogsTest, NewDiaryEntryOverADayPresetsThatDay) {
    CCalView& v = MakeView();
    Paint();
    const PageRect cell = v.DayCells()[DayOfYear(3, 12, 2007)];
    ASSERT_FALSE(cell.IsEmpty());
    QCursor::setPos(v.viewport()->mapToGlobal(
        QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2)));
    QString shown;
    WhenOpen<CDiaryEntryDlg>([&shown](CDiaryEntryDlg& dialog) {
        shown = dialog.findChild<QLineEdit*>(QStringLiteral("dateEdit"))->text();
        Click(dialog, "cancelButton");
    });
    v.OnCommand(CommandId::DiaryEntryKey);
    EXPECT_EQ(shown, QStringLiteral("12/03/2007"));
}

TEST_F(CalViewDialogsTest, OptionsRestartsTheBandWithTheNewIntervalAndFileCheck) {
    CCalView& v = MakeView();
    ASSERT_NE(v.Marquee(), nullptr);
    WhenOpen<COptionsDlg>([](COptionsDlg& dialog) {
        Retype(dialog, "marqueeSecsEdit", QStringLiteral("50"));
        Retype(dialog, "fileFreqEdit", QStringLiteral("1"));
        Click(dialog, "fileMinutesRadio");
        Click(dialog, "okButton");
    });
    v.OnCommand(CommandId::Options);
    EXPECT_EQ(v.Marquee()->Marquee().TickLimit(), 1200);
    EXPECT_EQ(v.Marquee()->Timer().interval(), 50);
    EXPECT_TRUE(v.Marquee()->Timer().isActive());

    WhenOpen<COptionsDlg>([](COptionsDlg& dialog) {
        Click(dialog, "marqueeOnCheck");
        Click(dialog, "okButton");
    });
    v.OnCommand(CommandId::Options);
    EXPECT_FALSE(v.Marquee()->Timer().isActive());
}
