// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/DiaryEntryDlg.h"
#include "dialogs/FindDlg.h"
#include "diary/DiaryRecordset.h"
#include "settings/SettingsKeys.h"
#include "support/DiaryFixture.h"
#include "support/FakeDateOrder.h"
#include "support/FakePrompts.h"
#include "support/WidgetDriver.h"

namespace {
using diaryfiles::Entry;

struct FindAnswer {
    QString text;
    int lookIn = 1;
    bool search = true;
};

class DiaryEntryDlgTest : public DiaryFixture {
protected:
    int RecordCount() {
        return diaryfiles::RawConnection(diaryPath).Value("SELECT COUNT(*) FROM Diary").toInt();
    }
    QString StoredValue(const QString& column, const QString& message) {
        const QString sql = QStringLiteral("SELECT %1 FROM Diary WHERE EventDescription = '%2'");
        return diaryfiles::RawConnection(diaryPath).Value(sql.arg(column, message)).toString();
    }

    // Opens the dialog as the view's commands do and shows it, not modally.
    WidgetDriver Open(const QString& dateKey, bool newEntry) {
        dialog = std::make_unique<CDiaryEntryDlg>(settings, prompts, dateOrder);
        dialog->SetDateText(dateKey);
        dialog->SetNewEntry(newEntry);
        dialog->SetFindRunner([this](CFindDlg& find) { return AnswerFind(find); });
        if (dialog->Start()) {
            dialog->show();
            QApplication::setActiveWindow(dialog.get());
        }
        return WidgetDriver(*dialog);
    }

    bool AnswerFind(CFindDlg& find) {
        lookInOffered.append(find.LookInIndex());
        if (findAnswers.isEmpty() || !findAnswers.first().search) {
            if (!findAnswers.isEmpty())
                findAnswers.takeFirst();
            return false;
        }
        const FindAnswer answer = findAnswers.takeFirst();
        find.show();
        find.SetSearchText(answer.text);
        find.SetLookInIndex(answer.lookIn);
        WidgetDriver(find).Click("findNextButton");
        return find.result() == QDialog::Accepted;
    }

    // The date, message and position shown, as "date|message|position".
    QString Shown() const {
        const WidgetDriver d(*dialog);
        return d.Text("dateEdit") + '|' + d.Text("messageEdit") + '|' + d.Text("positionEdit");
    }

    // Which of First, Previous, Next and Last are enabled, as "FPNL" with '-' for disabled.
    QString Navigation() const {
        QString state;
        const char* names[] = {"firstButton", "previousButton", "nextButton", "lastButton"};
        for (int i = 0; i < 4; ++i)
            state += WidgetDriver(*dialog).Find<QPushButton>(names[i])->isEnabled()
                         ? QLatin1Char("FPNL"[i])
                         : QLatin1Char('-');
        return state;
    }
    QWidget* Focused(const char* name) const { return WidgetDriver(*dialog).Find<QWidget>(name); }

    FakePrompts prompts;
    FakeDateOrder dateOrder;
    QList<FindAnswer> findAnswers;
    QList<int> lookInOffered;
    std::unique_ptr<CDiaryEntryDlg> dialog;
};

const Entry kMarch5{QStringLiteral("05032007"), QStringLiteral("Exact day")};
const Entry kEveryMarch5{QStringLiteral("**032007"), QStringLiteral("Any day of March")};
const Entry kAll2007{QStringLiteral("****2007"), QStringLiteral("All of 2007")};
const Entry kEvery5th{QStringLiteral("05******"), QStringLiteral("Every fifth")};
const Entry kEveryDay{QStringLiteral("********"), QStringLiteral("Every day")};
const Entry kApril5{QStringLiteral("05042007"), QStringLiteral("April")};
}  // namespace

TEST_F(DiaryEntryDlgTest, NewEntryIsCreatedAtOnceAndCancelDeletesIt) {
    Add({kApril5});
    const WidgetDriver d = Open("05032007", true);
    EXPECT_EQ(RecordCount(), 2) << "the record is created when the dialog opens";
    EXPECT_EQ(Shown(), "05/03/2007||0 of 0");
    EXPECT_FALSE(d.Find<QPushButton>("nextButton")->isVisible() ||
                 d.Find<QPushButton>("findButton")->isVisible());
    d.Type("messageEdit", "Never kept");
    d.Click("cancelButton");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(RecordCount(), 1);
}

// The date typed or shown in the user's order is stored day first.
TEST_F(DiaryEntryDlgTest, NewEntryThenOkStoresTheDateDayFirstInEveryOrder) {
    const std::tuple<DateOrder, const char*, const char*, const char*> cases[] = {
        {DateOrder::DayMonthYear, "6/3/2007", "Dentist", "06032007"},
        {DateOrder::MonthDayYear, "", "Kept as shown", "05032007"},
        {DateOrder::MonthDayYear, "12/25/2007", "Typed month first", "25122007"}};
    for (const auto& [order, typed, message, stored] : cases) {
        dateOrder.order = order;
        const WidgetDriver d = Open("05032007", true);
        if (*typed)
            d.Type("dateEdit", typed);
        d.Type("messageEdit", message);
        d.Click("okButton");
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_TRUE(dialog->ChangedDiary() && dialog->MessageText() == message);
        EXPECT_EQ(StoredValue("EventDate || EventTime", message), QLatin1String(stored) + "0000");
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(DiaryEntryDlgTest, EditModeWalksTheDaysEntriesInDateOrderOrSaysThereAreNone) {
    Add({kMarch5, kApril5, kEveryMarch5, kEveryDay, kEvery5th, kAll2007});
    const WidgetDriver d = Open("05032007", false);
    QStringList shown{Shown() + ' ' + Navigation()};
    for (const char* button : {"nextButton", "nextButton", "lastButton", "previousButton"}) {
        d.Click(button);
        shown.append(Shown() + ' ' + Navigation());
    }
    EXPECT_EQ(
        shown,
        (QStringList{"**/**/****|Every day|1 of 5 --NL", "**/**/2007|All of 2007|2 of 5 FPNL",
                     "**/03/2007|Any day of March|3 of 5 FPNL", "05/03/2007|Exact day|5 of 5 FP--",
                     "05/**/****|Every fifth|4 of 5 FPNL"}));
    EXPECT_EQ(QApplication::focusWidget(), Focused("dateEdit"));
    Open("00000000", false);
    EXPECT_TRUE(Shown().endsWith("1 of 6")) << "no day: every entry";
    diaryfiles::RawConnection(diaryPath).Exec("DELETE FROM Diary");
    Open("06032007", false);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "No diary entries");
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(DiaryEntryDlgTest, AMoveSavesTheRecordLeftAndCancelKeepsIt) {
    Add({kMarch5, kEveryDay});
    const WidgetDriver d = Open("05032007", false);
    Focused("messageEdit")->setFocus();
    d.Type("messageEdit", "Every single day");
    d.Click("nextButton");
    EXPECT_EQ(QApplication::focusWidget(), Focused("messageEdit")) << "the edit keeps the focus";
    d.Type("messageEdit", "Dropped");
    d.Click("cancelButton");
    EXPECT_EQ(StoredValue("EventDate", "Every single day"), "********");
    EXPECT_EQ(StoredValue("EventDate", "Exact day"), "05032007");
}

TEST_F(DiaryEntryDlgTest, DeletingShowsTheRecordBeforeOrEmptiesTheControls) {
    Add({kMarch5, kEveryDay, kAll2007, kApril5});
    const WidgetDriver d = Open("05032007", false);
    d.Click("lastButton");
    d.Click("deleteButton");
    EXPECT_EQ(Shown() + ' ' + Navigation(), "**/**/2007|All of 2007|3 of 3 FP--")
        << "the position is not redrawn";
    d.Type("messageEdit", "Whole year");
    d.Click("okButton");
    EXPECT_EQ(StoredValue("EventDate", "Whole year"), "****2007");
    diaryfiles::RawConnection(diaryPath).Exec("DELETE FROM Diary WHERE EventDate LIKE '*%'");
    Open("05042007", false).Click("deleteButton");
    EXPECT_EQ(Shown() + ' ' + Navigation(), "||1 of 1 ----");
    EXPECT_FALSE(Focused("deleteButton")->isEnabled());
    EXPECT_EQ(RecordCount(), 0);
}

TEST_F(DiaryEntryDlgTest, OkAndMovesAreRefusedWithOneErrorBox) {
    Add({Entry{"05032007", ""}, kEveryDay});
    const WidgetDriver d = Open("05032007", false);
    d.Click("nextButton");
    d.Type("alarmTimeEdit", "2575");
    d.Click("okButton");
    d.Click("previousButton");
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[0].caption, "Error!");
    EXPECT_EQ(prompts.messages[0].text,
              "Please add a message\nAlarm time- Hours cannot be more than 24\n"
              "Alarm time- Minutes cannot be more than 59\n");
    EXPECT_TRUE(prompts.messages[1].text.startsWith("Please add a message\n"));
    EXPECT_EQ(Shown(), "05/03/2007||2 of 2");
    d.Type("dateEdit", "32/12/2007");
    d.Type("messageEdit", "Fixed");
    d.Click("okButton");
    ASSERT_EQ(prompts.messages.size(), 3);
    EXPECT_TRUE(prompts.messages[2].text.startsWith("Invalid date")) << "the date check alone";
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(DiaryEntryDlgTest, FindOffersTheLastFocusedFieldAndWrapsToTheFirstMatch) {
    Add({Entry{"01032007", "Lunch with Ann"}, Entry{"02032007", "Dentist", "/x/bell.wav"},
         Entry{"03032007", "Team lunch"}, Entry{"04032007", "Ann's birthday"}});
    const WidgetDriver d = Open("00000000", false);
    Focused("messageEdit")->setFocus();
    findAnswers = {{"lunch"},
                   {"lunch"},
                   {"x"},
                   {"Ann's"},
                   {"BELL.W", 2},
                   {"03/03/2007", 0},
                   {QString(), 1, false}};
    QStringList shown;
    dialog->SetFindRunner([&](CFindDlg& find) {
        shown.append(d.Text("messageEdit"));
        return AnswerFind(find);
    });
    d.Click("findButton");
    EXPECT_EQ(lookInOffered.value(0), 1) << "the message edit had the focus last";
    EXPECT_EQ(shown, (QStringList{"Lunch with Ann", "Team lunch", "Lunch with Ann",
                                  "Lunch with Ann", "Ann's birthday", "Dentist", "Team lunch"}));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "'x' not found");
    EXPECT_EQ(dialog->SearchText(), "03/03/2007");
    EXPECT_EQ(QApplication::focusWidget(), Focused("messageEdit"));
}

TEST_F(DiaryEntryDlgTest, FindSavesWhatWasTypedAndStartsNoSearchFromABadRecord) {
    Add({kMarch5, kApril5});
    const WidgetDriver d = Open("00000000", false);
    Focused("tuneEdit")->setFocus();
    d.Type("messageEdit", "Typed before Find");
    findAnswers = {{"April"}, {QString(), 1, false}};
    d.Click("findButton");
    EXPECT_EQ(lookInOffered.value(0), 1) << "typing moved the focus to the message";
    EXPECT_EQ(d.Text("messageEdit"), "April");
    EXPECT_EQ(StoredValue("EventDate", "Typed before Find"), "05032007");
    d.Type("messageEdit", QString());
    d.Click("findButton");
    EXPECT_EQ(lookInOffered.size(), 2) << "no search starts from a record that fails its checks";
    EXPECT_EQ(prompts.messages.value(0).caption, "Error!");
}

TEST_F(DiaryEntryDlgTest, AlarmTimeRoundTripsReturnInAFieldPressesOkAndEscapeCancels) {
    const QLocale before;
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    Add({Entry{"05032007", "Dentist", QString(), 0, "0930"}});
    WidgetDriver d = Open("05032007", false);
    EXPECT_EQ(d.Text("alarmTimeEdit"), "09:30");
    d.Press("alarmTimeEdit", Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(StoredValue("EventTime", "Dentist"), "0930");
    QLocale::setDefault(before);
    Open("05032007", true).Press("messageEdit", Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(RecordCount(), 1) << "the new entry is gone again";
}

TEST_F(DiaryEntryDlgTest, BrowseOnlyFillsTheTuneAndOkSavesItWithDateAndHolidayInEveryOrder) {
    dateOrder.order = DateOrder::MonthDayYear;
    Add({kMarch5});
    prompts.fileAnswers.append("/music/bell.wav");
    const WidgetDriver d = Open("05032007", false);
    d.Type("dateEdit", "32/13/2007");
    d.Click("browseButton");
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(prompts.fileRequests[0].defaultSuffix, "wav");
    EXPECT_TRUE(prompts.fileRequests[0].filter.contains("*.avi"));
    EXPECT_EQ(d.Text("tuneEdit") + ' ' + d.Text("dateEdit"), "/music/bell.wav 32/13/2007");
    EXPECT_EQ(StoredValue("EventDate || IFNULL(EventSound, '')", "Exact day"), "05032007")
        << "nothing saved";
    d.Type("dateEdit", "03/05/2007");
    d.Click("holidayCheck");
    d.Click("okButton");
    EXPECT_EQ(StoredValue("EventDate || PubHoliday || EventSound", "Exact day"),
              "050320071/music/bell.wav");
}
