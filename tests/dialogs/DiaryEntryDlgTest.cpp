#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QTest>

#include "calendar/DateLib.h"
#include "dialogs/DiaryEntryDlg.h"
#include "dialogs/FindDlg.h"
#include "diary/DiaryRecordset.h"
#include "diary/MonthIndex.h"
#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/FakeDateOrder.h"
#include "support/FakePrompts.h"
#include "support/TempDir.h"

namespace {
using diaryfiles::Entry;

struct FindAnswer {
    QString text;
    int lookIn = 1;
    bool search = true;
};

class DiaryEntryDlgTest : public ::testing::Test {
protected:
    DiaryEntryDlgTest() {
        diaryfiles::CreateDiary(path);
        diaryfiles::PointSettingsAt(store, path);
    }

    void Add(std::initializer_list<Entry> entries) {
        diaryfiles::RawConnection raw(path);
        for (const Entry& e : entries) raw.Add(e);
    }

    int RecordCount() {
        diaryfiles::RawConnection raw(path);
        return raw.Value(QStringLiteral("SELECT COUNT(*) FROM Diary")).toInt();
    }

    QString StoredValue(const QString& column, const QString& message) {
        diaryfiles::RawConnection raw(path);
        return raw
            .Value(QStringLiteral("SELECT %1 FROM Diary WHERE EventDescription = '%2'")
                       .arg(column, message))
            .toString();
    }

    // Opens the dialog as the view's commands do and shows it, not modally.
    std::unique_ptr<CDiaryEntryDlg> Open(const QString& dateKey, bool newEntry) {
        auto dialog = std::make_unique<CDiaryEntryDlg>(settings, prompts, dateOrder);
        dialog->SetDateText(dateKey);
        dialog->SetNewEntry(newEntry);
        dialog->SetFindRunner([this](CFindDlg& find) { return AnswerFind(find); });
        if (dialog->Start()) {
            dialog->show();
            QApplication::setActiveWindow(dialog.get());
        }
        return dialog;
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
        QTest::mouseClick(find.findChild<QPushButton*>(QStringLiteral("findNextButton")),
                          Qt::LeftButton);
        return find.result() == QDialog::Accepted;
    }

    static QLineEdit* Edit(QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(QLatin1String(name));
    }
    static QPushButton* Button(QWidget* dialog, const char* name) {
        return dialog->findChild<QPushButton*>(QLatin1String(name));
    }
    static void Click(QWidget* dialog, const char* name) {
        QTest::mouseClick(Button(dialog, name), Qt::LeftButton);
    }
    static void Retype(QWidget* dialog, const char* name, const QString& text) {
        QLineEdit* edit = Edit(dialog, name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static QString DateShown(QWidget* dialog) { return Edit(dialog, "dateEdit")->text(); }
    static QString MessageShown(QWidget* dialog) { return Edit(dialog, "messageEdit")->text(); }
    static QString PositionShown(QWidget* dialog) { return Edit(dialog, "positionEdit")->text(); }

    // Which of First, Previous, Next and Last are enabled, as "FPNL" with '-' for disabled.
    static QString Navigation(QWidget* dialog) {
        QString state;
        const char* names[] = {"firstButton", "previousButton", "nextButton", "lastButton"};
        for (int i = 0; i < 4; ++i)
            state +=
                Button(dialog, names[i])->isEnabled() ? QLatin1Char("FPNL"[i]) : QLatin1Char('-');
        return state;
    }

    TempDir dir;
    QString path = dir.File(QStringLiteral("Diary.db"));
    CSettingsStore store{dir.SettingsFile()};
    CDefaultSystemColours colours;
    CSettingsHelper settings{store, colours};
    FakePrompts prompts;
    FakeDateOrder dateOrder;
    QList<FindAnswer> findAnswers;
    QList<int> lookInOffered;
};

const Entry kMarch5{QStringLiteral("05032007"), QStringLiteral("Exact day")};
const Entry kEveryMarch5{QStringLiteral("**032007"), QStringLiteral("Any day of March")};
const Entry kAll2007{QStringLiteral("****2007"), QStringLiteral("All of 2007")};
const Entry kEvery5th{QStringLiteral("05******"), QStringLiteral("Every fifth")};
const Entry kEveryDay{QStringLiteral("********"), QStringLiteral("Every day")};
const Entry kApril5{QStringLiteral("05042007"), QStringLiteral("April")};
}  // namespace

TEST_F(DiaryEntryDlgTest, NewEntryThenCancelLeavesNoRecord) {
    Add({kApril5});
    auto dialog = Open(QStringLiteral("05032007"), true);
    EXPECT_EQ(RecordCount(), 2) << "the record is created when the dialog opens";
    EXPECT_EQ(DateShown(dialog.get()), QStringLiteral("05/03/2007"));
    EXPECT_EQ(PositionShown(dialog.get()), QStringLiteral("0 of 0"));
    EXPECT_FALSE(Button(dialog.get(), "nextButton")->isVisible());
    EXPECT_FALSE(Button(dialog.get(), "findButton")->isVisible());
    Retype(dialog.get(), "messageEdit", QStringLiteral("Never kept"));
    Click(dialog.get(), "cancelButton");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(RecordCount(), 1);
    EXPECT_TRUE(dialog->MessageText().isEmpty());
}

TEST_F(DiaryEntryDlgTest, NewEntryThenOkStoresTheNormalizedDateAndMarksTheDay) {
    auto dialog = Open(QStringLiteral("05032007"), true);
    Retype(dialog.get(), "dateEdit", QStringLiteral("6/3/2007"));
    Retype(dialog.get(), "messageEdit", QStringLiteral("Dentist"));
    Click(dialog.get(), "okButton");
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(dialog->MessageText(), QStringLiteral("Dentist"));
    EXPECT_TRUE(dialog->ChangedDiary());
    EXPECT_EQ(RecordCount(), 1);
    EXPECT_EQ(StoredValue(QStringLiteral("EventDate"), QStringLiteral("Dentist")),
              QStringLiteral("06032007"));
    EXPECT_EQ(StoredValue(QStringLiteral("EventTime"), QStringLiteral("Dentist")),
              QStringLiteral("0000"));

    CDiaryRecordset set(store);
    set.Open();
    CMonthIndex index;
    FakeClock clock;
    index.LoadMonthIndex(&set, 3, 2007, false, clock);
    EXPECT_EQ(index.Mark(DayOfYear(3, 6, 2007)), kOrdinaryEntry);
    EXPECT_EQ(index.Mark(DayOfYear(3, 5, 2007)), kNoEntry);
}

TEST_F(DiaryEntryDlgTest, NewEntryInMonthDayYearOrderStoresDayFirst) {
    dateOrder.order = DateOrder::MonthDayYear;
    auto dialog = Open(QStringLiteral("05032007"), true);
    EXPECT_EQ(DateShown(dialog.get()), QStringLiteral("03/05/2007"));
    Retype(dialog.get(), "messageEdit", QStringLiteral("Kept as shown"));
    Click(dialog.get(), "okButton");
    ASSERT_EQ(dialog->result(), QDialog::Accepted)
        << "the date shown reads back as the date stored";
    EXPECT_EQ(StoredValue(QStringLiteral("EventDate"), QStringLiteral("Kept as shown")),
              QStringLiteral("05032007"));

    auto typed = Open(QStringLiteral("00000000"), true);
    Retype(typed.get(), "dateEdit", QStringLiteral("12/25/2007"));
    Retype(typed.get(), "messageEdit", QStringLiteral("Typed month first"));
    Click(typed.get(), "okButton");
    ASSERT_EQ(typed->result(), QDialog::Accepted);
    EXPECT_EQ(StoredValue(QStringLiteral("EventDate"), QStringLiteral("Typed month first")),
              QStringLiteral("25122007"));
}

TEST_F(DiaryEntryDlgTest, EditModeListsTheDaysEntriesInDateOrder) {
    Add({kMarch5, kApril5, kEveryMarch5, kEveryDay, kEvery5th, kAll2007});
    auto dialog = Open(QStringLiteral("05032007"), false);
    EXPECT_EQ(PositionShown(dialog.get()), QStringLiteral("1 of 5"));
    QStringList dates{DateShown(dialog.get())};
    for (int i = 0; i < 4; ++i) {
        Click(dialog.get(), "nextButton");
        dates.append(DateShown(dialog.get()));
    }
    EXPECT_EQ(dates,
              (QStringList{"**/**/****", "**/**/2007", "**/03/2007", "05/**/****", "05/03/2007"}));
    EXPECT_EQ(PositionShown(dialog.get()), QStringLiteral("5 of 5"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(DiaryEntryDlgTest, EditModeWithNoDayListsEveryEntry) {
    Add({kMarch5, kApril5});
    auto dialog = Open(QStringLiteral("00000000"), false);
    EXPECT_EQ(PositionShown(dialog.get()), QStringLiteral("1 of 2"));
}

TEST_F(DiaryEntryDlgTest, EditModeWithNoEntriesSaysSoAndEnds) {
    Add({kApril5});
    auto dialog = Open(QStringLiteral("05032007"), false);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("No diary entries"));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(dialog->MessageText().isEmpty());
}

TEST_F(DiaryEntryDlgTest, NavigationButtonsAndFocusFollowThePosition) {
    Add({kMarch5, kEveryMarch5, kEveryDay});
    auto dialog = Open(QStringLiteral("05032007"), false);
    EXPECT_EQ(Navigation(dialog.get()), QStringLiteral("--NL"));
    EXPECT_EQ(QApplication::focusWidget(), Edit(dialog.get(), "dateEdit"));

    Edit(dialog.get(), "messageEdit")->setFocus();
    Click(dialog.get(), "nextButton");
    EXPECT_EQ(Navigation(dialog.get()), QStringLiteral("FPNL"));
    EXPECT_EQ(QApplication::focusWidget(), Edit(dialog.get(), "messageEdit"));

    Click(dialog.get(), "nextButton");
    EXPECT_EQ(Navigation(dialog.get()), QStringLiteral("FP--"));
    EXPECT_EQ(PositionShown(dialog.get()), QStringLiteral("3 of 3"));
    EXPECT_EQ(QApplication::focusWidget(), Edit(dialog.get(), "messageEdit"));

    Click(dialog.get(), "firstButton");
    EXPECT_EQ(Navigation(dialog.get()), QStringLiteral("--NL"));
    EXPECT_EQ(MessageShown(dialog.get()), QStringLiteral("Every day"));
    Click(dialog.get(), "lastButton");
    EXPECT_EQ(MessageShown(dialog.get()), QStringLiteral("Exact day"));
    Click(dialog.get(), "previousButton");
    EXPECT_EQ(MessageShown(dialog.get()), QStringLiteral("Any day of March"));
}

TEST_F(DiaryEntryDlgTest, TheOnlyRecordDisablesAllNavigation) {
    Add({kMarch5});
    auto dialog = Open(QStringLiteral("05032007"), false);
    EXPECT_EQ(Navigation(dialog.get()), QStringLiteral("----"));
    EXPECT_EQ(PositionShown(dialog.get()), QStringLiteral("1 of 1"));
}

TEST_F(DiaryEntryDlgTest, AMoveSavesTheRecordLeftAndCancelKeepsIt) {
    Add({kMarch5, kEveryDay});
    auto dialog = Open(QStringLiteral("05032007"), false);
    Retype(dialog.get(), "messageEdit", QStringLiteral("Every single day"));
    Click(dialog.get(), "nextButton");
    Retype(dialog.get(), "messageEdit", QStringLiteral("Dropped"));
    Click(dialog.get(), "cancelButton");
    EXPECT_EQ(StoredValue(QStringLiteral("EventDate"), QStringLiteral("Every single day")),
              QStringLiteral("********"));
    EXPECT_EQ(StoredValue(QStringLiteral("EventDate"), QStringLiteral("Exact day")),
              QStringLiteral("05032007"));
    EXPECT_EQ(RecordCount(), 2);
}

TEST_F(DiaryEntryDlgTest, DeletingTheLastRecordShowsTheOneBefore) {
    Add({kMarch5, kEveryDay, kAll2007});
    auto dialog = Open(QStringLiteral("05032007"), false);
    Click(dialog.get(), "lastButton");
    Click(dialog.get(), "deleteButton");
    EXPECT_EQ(RecordCount(), 2);
    EXPECT_EQ(MessageShown(dialog.get()), QStringLiteral("All of 2007"));
    EXPECT_EQ(DateShown(dialog.get()), QStringLiteral("**/**/2007"));
    EXPECT_EQ(PositionShown(dialog.get()), QStringLiteral("3 of 3"))
        << "the text keeps its old values";
    EXPECT_EQ(Navigation(dialog.get()), QStringLiteral("FP--"));
    Retype(dialog.get(), "messageEdit", QStringLiteral("Whole year"));
    Click(dialog.get(), "okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(StoredValue(QStringLiteral("EventDate"), QStringLiteral("Whole year")),
              QStringLiteral("****2007"));
}

TEST_F(DiaryEntryDlgTest, DeletingTheOnlyRecordEmptiesTheControls) {
    Add({kMarch5, kApril5});
    auto dialog = Open(QStringLiteral("05032007"), false);
    Click(dialog.get(), "deleteButton");
    EXPECT_EQ(RecordCount(), 1);
    EXPECT_TRUE(DateShown(dialog.get()).isEmpty());
    EXPECT_TRUE(MessageShown(dialog.get()).isEmpty());
    EXPECT_EQ(Navigation(dialog.get()), QStringLiteral("----"));
    EXPECT_FALSE(Button(dialog.get(), "deleteButton")->isEnabled());
    EXPECT_EQ(PositionShown(dialog.get()), QStringLiteral("1 of 1"));
    Click(dialog.get(), "okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->ChangedDiary());
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(RecordCount(), 1);
}

TEST_F(DiaryEntryDlgTest, OneErrorBoxListsEveryFailedRule) {
    Add({Entry{QStringLiteral("05032007"), QStringLiteral(""), QString(), 0,
               QStringLiteral("2575")},
         kEveryDay});
    auto dialog = Open(QStringLiteral("05032007"), false);
    ASSERT_EQ(DateShown(dialog.get()), QStringLiteral("**/**/****"));
    Click(dialog.get(), "nextButton");
    ASSERT_EQ(DateShown(dialog.get()), QStringLiteral("05/03/2007"));
    Click(dialog.get(), "okButton");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Error!"));
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("Please add a message\n"
                             "Alarm time- Hours cannot be more than 24\n"
                             "Alarm time- Minutes cannot be more than 59\n"));
    EXPECT_TRUE(dialog->isVisible());
    Click(dialog.get(), "previousButton");
    EXPECT_EQ(prompts.messages.size(), 2) << "a move is refused the same way";
    EXPECT_EQ(PositionShown(dialog.get()), QStringLiteral("2 of 2"));
}

TEST_F(DiaryEntryDlgTest, ABadDateIsReportedByTheDateCheckAlone) {
    Add({kMarch5});
    auto dialog = Open(QStringLiteral("05032007"), false);
    Retype(dialog.get(), "dateEdit", QStringLiteral("32/12/2007"));
    Retype(dialog.get(), "messageEdit", QString());
    Click(dialog.get(), "okButton");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(QStringLiteral("Invalid date")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(StoredValue(QStringLiteral("EventDate"), QStringLiteral("Exact day")),
              QStringLiteral("05032007"));
}

TEST_F(DiaryEntryDlgTest, FindByMessageWrapsToTheFirstMatch) {
    Add({Entry{QStringLiteral("01032007"), QStringLiteral("Lunch with Ann")},
         Entry{QStringLiteral("02032007"), QStringLiteral("Dentist")},
         Entry{QStringLiteral("03032007"), QStringLiteral("Team lunch")},
         Entry{QStringLiteral("04032007"), QStringLiteral("Ann's birthday")}});
    auto dialog = Open(QStringLiteral("00000000"), false);
    Edit(dialog.get(), "messageEdit")->setFocus();
    findAnswers = {{QStringLiteral("lunch")},
                   {QStringLiteral("lunch")},
                   {QStringLiteral("x")},
                   {QStringLiteral("Ann's")},
                   {QString(), 1, false}};
    QStringList shown;
    dialog->SetFindRunner([&](CFindDlg& find) {
        shown.append(MessageShown(dialog.get()));
        return AnswerFind(find);
    });
    Click(dialog.get(), "findButton");

    EXPECT_EQ(lookInOffered.value(0), 1) << "the message edit had the focus last";
    EXPECT_EQ(shown, (QStringList{"Lunch with Ann", "Team lunch", "Lunch with Ann",
                                  "Lunch with Ann", "Ann's birthday"}));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("'x' not found"));
    EXPECT_EQ(PositionShown(dialog.get()), QStringLiteral("4 of 4"));
    EXPECT_EQ(dialog->SearchText(), QStringLiteral("Ann's"));
    EXPECT_EQ(QApplication::focusWidget(), Edit(dialog.get(), "messageEdit"));
}

TEST_F(DiaryEntryDlgTest, FindByDateMatchesTheStoredPattern) {
    Add({kEveryDay, kMarch5, kEveryMarch5});
    auto dialog = Open(QStringLiteral("00000000"), false);
    findAnswers = {{QStringLiteral("**/03/2007"), 0}, {QString(), 0, false}};
    Click(dialog.get(), "findButton");
    EXPECT_EQ(lookInOffered.value(0), 0);
    EXPECT_EQ(MessageShown(dialog.get()), QStringLiteral("Any day of March"));
    EXPECT_EQ(DateShown(dialog.get()), QStringLiteral("**/03/2007"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(DiaryEntryDlgTest, CancellingFindDropsUnsavedChangesOfTheRecordShown) {
    Add({kMarch5});
    auto dialog = Open(QStringLiteral("05032007"), false);
    Retype(dialog.get(), "messageEdit", QStringLiteral("Not saved"));
    findAnswers = {{QString(), 1, false}};
    Click(dialog.get(), "findButton");
    EXPECT_EQ(MessageShown(dialog.get()), QStringLiteral("Exact day"));
    EXPECT_EQ(QApplication::focusWidget(), Edit(dialog.get(), "messageEdit"));
}

TEST_F(DiaryEntryDlgTest, ReturnAndEscapeDoNothing) {
    Add({kMarch5});
    auto dialog = Open(QStringLiteral("05032007"), false);
    QTest::keyClick(Edit(dialog.get(), "messageEdit"), Qt::Key_Return);
    QTest::keyClick(Edit(dialog.get(), "dateEdit"), Qt::Key_Escape);
    Button(dialog.get(), "okButton")->setFocus();
    QTest::keyClick(Button(dialog.get(), "okButton"), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), 0);
}

TEST_F(DiaryEntryDlgTest, BrowseSavesTheTuneAndKeepsTheDateInDisplayForm) {
    Add({kMarch5});
    prompts.fileAnswers.append(QStringLiteral("/music/bell.wav"));
    auto dialog = Open(QStringLiteral("05032007"), false);
    Click(dialog.get(), "browseButton");
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(prompts.fileRequests[0].defaultSuffix, QStringLiteral("wav"));
    EXPECT_TRUE(prompts.fileRequests[0].filter.contains(QStringLiteral("*.avi")));
    EXPECT_EQ(Edit(dialog.get(), "tuneEdit")->text(), QStringLiteral("/music/bell.wav"));
    EXPECT_EQ(DateShown(dialog.get()), QStringLiteral("05/03/2007"));
    EXPECT_EQ(StoredValue(QStringLiteral("EventSound"), QStringLiteral("Exact day")),
              QStringLiteral("/music/bell.wav"));
    Click(dialog.get(), "okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(StoredValue(QStringLiteral("EventDate"), QStringLiteral("Exact day")),
              QStringLiteral("05032007"));
}

TEST_F(DiaryEntryDlgTest, HolidayFlagIsSaved) {
    Add({kMarch5});
    auto dialog = Open(QStringLiteral("05032007"), false);
    QCheckBox* holiday = dialog->findChild<QCheckBox*>(QStringLiteral("holidayCheck"));
    holiday->setChecked(true);
    Click(dialog.get(), "okButton");
    EXPECT_EQ(StoredValue(QStringLiteral("PubHoliday"), QStringLiteral("Exact day")).toInt(), 1);
}

TEST_F(DiaryEntryDlgTest, BrowseThenOkInMonthDayYearOrderKeepsTheDate) {
    dateOrder.order = DateOrder::MonthDayYear;
    Add({kMarch5});
    prompts.fileAnswers.append(QStringLiteral("/music/bell.wav"));
    auto dialog = Open(QStringLiteral("05032007"), false);
    Click(dialog.get(), "browseButton");
    EXPECT_EQ(DateShown(dialog.get()), QStringLiteral("03/05/2007"));
    Click(dialog.get(), "okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(StoredValue(QStringLiteral("EventDate"), QStringLiteral("Exact day")),
              QStringLiteral("05032007"));
}

TEST_F(DiaryEntryDlgTest, ReopensWhereItWasLastClosed) {
    Add({kMarch5});
    auto dialog = Open(QStringLiteral("05032007"), false);
    dialog->move(300, 80);
    Click(dialog.get(), "cancelButton");
    EXPECT_TRUE(settings.ReadPlain(QStringLiteral("DiaryDialogRect"))
                    .startsWith(QStringLiteral("0300 0080 ")));
    auto again = Open(QStringLiteral("05032007"), false);
    EXPECT_EQ(again->pos(), QPoint(300, 80));
}
