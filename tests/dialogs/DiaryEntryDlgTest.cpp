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

    // Answers the Find dialog from `findAnswers` (text, look-in index) until
    // they run out, then cancels it.
    bool AnswerFind(CFindDlg& find) {
        lookInOffered.append(find.LookInIndex());
        if (findAnswers.isEmpty())
            return false;
        find.SetSearchText(findAnswers.first().first);
        find.SetLookInIndex(findAnswers.takeFirst().second);
        return true;
    }

    // The date, message and position shown, as "date|message|position".
    QString Shown() const {
        const WidgetDriver d(*dialog);
        return d.Text("dateEdit") + '|' + d.Text("messageEdit") + '|' + d.Text("positionEdit");
    }

    // Which of First, Previous, Next and Last are enabled, as "FPNL" with '-' for disabled.
    QString Navigation() const {
        QString state;
        for (const char* name : {"firstButton", "previousButton", "nextButton", "lastButton"})
            state += WidgetDriver(*dialog).Find<QPushButton>(name)->isEnabled() ? name[0] : '-';
        return state.toUpper();
    }
    QWidget* Focused(const char* name) const { return WidgetDriver(*dialog).Find<QWidget>(name); }

    FakePrompts prompts;
    FakeDateOrder dateOrder;
    QList<std::pair<QString, int>> findAnswers;
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

// The record exists while the dialog is open; Return in a field is OK and
// stores the date typed in the user's order day first; Escape deletes it.
// Public Holiday sits beside Date, so it comes second.
TEST_F(DiaryEntryDlgTest, TabFollowsTheLayoutRowByRow) {
    CDiaryEntryDlg dialog(settings, prompts, dateOrder);
    QStringList chain;
    for (QWidget* widget = dialog.nextInFocusChain(); widget != &dialog;
         widget = widget->nextInFocusChain())
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty())
            chain << widget->objectName();
    EXPECT_EQ(chain, (QStringList{"dateEdit", "holidayCheck", "messageEdit", "alarmTimeEdit",
                                  "tuneEdit", "browseButton", "firstButton", "previousButton",
                                  "positionEdit", "nextButton", "lastButton", "deleteButton",
                                  "findButton", "okButton", "cancelButton", "idEdit"}));
}

TEST_F(DiaryEntryDlgTest, NewEntryIsCreatedAtOnceReturnStoresItAndEscapeDeletesIt) {
    dateOrder.order = DateOrder::MonthDayYear;
    Add({kApril5});
    const WidgetDriver d = Open("05032007", true);
    EXPECT_EQ(RecordCount(), 2);
    EXPECT_EQ(Shown(), "03/05/2007||0 of 0");
    EXPECT_FALSE(d.Find<QPushButton>("nextButton")->isVisible() ||
                 d.Find<QPushButton>("findButton")->isVisible());
    d.Type("dateEdit", "12/25/2007");
    d.Type("messageEdit", "Christmas");
    d.Press("messageEdit", Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->ChangedDiary() && dialog->MessageText() == "Christmas");
    EXPECT_EQ(StoredValue("EventDate || EventTime", "Christmas"), "251220070000");
    const WidgetDriver again = Open("05032007", true);
    again.Type("messageEdit", "Never kept");
    again.Press("messageEdit", Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(RecordCount(), 2);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

// A move saves the record left; Cancel keeps what the moves saved.
TEST_F(DiaryEntryDlgTest, EditModeWalksTheDaysEntriesSavingEachAndSaysWhenThereAreNone) {
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
    Focused("messageEdit")->setFocus();
    d.Type("messageEdit", "Every single fifth");
    d.Click("nextButton");
    EXPECT_EQ(QApplication::focusWidget(), Focused("messageEdit")) << "the edit keeps the focus";
    d.Type("messageEdit", "Dropped");
    d.Click("cancelButton");
    EXPECT_EQ(StoredValue("EventDate", "Every single fifth"), "05******");
    EXPECT_EQ(StoredValue("EventDate", "Exact day"), "05032007");
    diaryfiles::RawConnection(diaryPath).Exec("DELETE FROM Diary");
    Open("06032007", false);
    EXPECT_EQ(prompts.Shown(), QStringList{"Calendar: No diary entries"});
    EXPECT_FALSE(dialog->isVisible());
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

// The entry and date rules' messages are their own tables'; here each
// refusal shows one box and leaves the dialog where it was.
TEST_F(DiaryEntryDlgTest, OkAndMovesAreRefusedWithOneErrorBox) {
    Add({Entry{"05032007", ""}, kEveryDay});
    const WidgetDriver d = Open("05032007", false);
    d.Click("nextButton");
    d.Click("okButton");
    d.Click("previousButton");
    d.Type("dateEdit", "32/12/2007");
    d.Type("messageEdit", "Fixed");
    d.Click("okButton");
    ASSERT_EQ(prompts.Shown().size(), 3);
    EXPECT_TRUE(prompts.Shown()[2].startsWith("Error!: Invalid date")) << "the date check alone";
    EXPECT_EQ(d.Text("positionEdit"), "2 of 2");
    EXPECT_TRUE(dialog->isVisible());
}

// Find saves what was typed first, as a move does, and starts no search
// from a record that fails its checks.
TEST_F(DiaryEntryDlgTest, FindOffersTheLastFocusedFieldWrapsAndSavesWhatWasTyped) {
    Add({Entry{"01032007", "Lunch with Ann"}, Entry{"02032007", "Dentist", "/x/bell.wav"},
         Entry{"03032007", "Team lunch"}});
    const WidgetDriver d = Open("00000000", false);
    Focused("messageEdit")->setFocus();
    findAnswers = {{"lunch", 1}, {"lunch", 1}, {"x", 1}, {"BELL.W", 2}, {"03/03/2007", 0}};
    QStringList shown;
    dialog->SetFindRunner([&](CFindDlg& find) {
        shown.append(d.Text("messageEdit"));
        return AnswerFind(find);
    });
    d.Click("findButton");
    EXPECT_EQ(lookInOffered.value(0), 1) << "the message edit had the focus last";
    EXPECT_EQ(shown, (QStringList{"Lunch with Ann", "Team lunch", "Lunch with Ann",
                                  "Lunch with Ann", "Dentist", "Team lunch"}));
    EXPECT_EQ(prompts.Shown(), QStringList{"Calendar: 'x' not found"});
    EXPECT_EQ(QApplication::focusWidget(), Focused("messageEdit"));
    d.Type("messageEdit", "Typed before Find");
    findAnswers = {{"Dentist", 1}};
    d.Click("findButton");
    EXPECT_EQ(StoredValue("EventDate", "Typed before Find"), "03032007");
    d.Type("messageEdit", QString());
    d.Click("findButton");
    EXPECT_EQ(lookInOffered.size(), 8);
    EXPECT_EQ(prompts.messages.value(1).caption, "Error!");
}

// Browse fills the field only; OK saves it with the alarm time shown and the holiday.
TEST_F(DiaryEntryDlgTest, BrowseOnlyFillsTheTuneAndOkSavesItWithTheAlarmAndHoliday) {
    const QLocale before;
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    Add({Entry{"05032007", "Dentist", QString(), 0, "0930"}});
    prompts.fileAnswers.append("/music/bell.wav");
    const WidgetDriver d = Open("05032007", false);
    EXPECT_EQ(d.Text("alarmTimeEdit"), "09:30");
    d.Click("browseButton");
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(prompts.fileRequests[0].defaultSuffix, "wav");
    EXPECT_EQ(d.Text("tuneEdit"), "/music/bell.wav");
    EXPECT_EQ(StoredValue("IFNULL(EventSound, '')", "Dentist"), "") << "nothing saved";
    d.Click("holidayCheck");
    d.Click("okButton");
    EXPECT_EQ(StoredValue("EventTime || PubHoliday || EventSound", "Dentist"),
              "09301/music/bell.wav");
    QLocale::setDefault(before);
}
