// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QSpinBox>

#include "dialogs/OptionsDlg.h"
#include "dialogs/OptionsTabCtrl.h"
#include "settings/SettingsKeys.h"
#include "support/FakePrompts.h"
#include "support/RadicaleServer.h"
#include "support/SettingsFixture.h"
#include "support/WidgetDriver.h"

namespace {
class OptionsDlgTest : public SettingsFixture {
protected:
    OptionsDlgTest() {
        // As after the first start: the view has written every default back.
        for (const SettingDefinition& definition : SettingsTable())
            settings.GetSetting(definition.key, true);
    }

    WidgetDriver Open() {
        dialog = std::make_unique<COptionsDlg>(settings, prompts);
        dialog->show();
        return WidgetDriver(*dialog);
    }

    // Every setting but the dialog's own position, which each closing writes.
    QMap<Key, QString> AllSettings() const {
        QMap<Key, QString> values;
        for (const SettingDefinition& definition : SettingsTable())
            if (definition.key != Key::OptionsDialogRect)
                values.insert(definition.key, Stored(definition.key));
        return values;
    }

    FakePrompts prompts;
    std::unique_ptr<COptionsDlg> dialog;
};

// One control of each tab shows the stored value and takes a new one to the
// store; which key each option has is the options' own table.
TEST_F(OptionsDlgTest, EachTabShowsTheStoredValuesAndOkStoresItsChanges) {
    Put(Key::CalDavLastSync, QStringLiteral("2007-03-05 09:16"));
    const WidgetDriver d = Open();
    EXPECT_EQ(dialog->Tabs()->count(), 5);
    EXPECT_EQ(d.Find<QLabel>("syncLastLabel")->text(), QStringLiteral("2007-03-05 09:16"));
    EXPECT_EQ(d.Text("marqueeSecsEdit") + d.Text("monthsAcrossEdit"), QStringLiteral("253"));
    EXPECT_TRUE(d.Checked("stretchWidthCheck") && !d.Checked("showPictureCheck"));
    d.Type("marqueeSecsEdit", QStringLiteral("50"));
    d.Click("internetWeeksRadio");
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::PictureIndex);
    d.Click("showPictureCheck");
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::YearViewIndex);
    d.Type("monthsDownEdit", QStringLiteral("2"));
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::SyncIndex);
    d.Type("syncUrlEdit", QStringLiteral(" dav.example.org/alice/diary "));
    d.Find<QSpinBox>("syncEverySpin")->setValue(30);
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::CalendarIndex);
    d.Find<QComboBox>("weekStartCombo")->setCurrentIndex(2);
    d.Click("weekNumbersCheck");
    d.Click("okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    QStringList stored;
    for (Key key :
         {Key::MarqueeSecs, Key::MarqueeCheckInternetUnits, Key::ShowPicture, Key::MonthsDown,
          Key::CalDavUrl, Key::CalDavEveryMinutes, Key::WeekStart, Key::WeekNumbers})
        stored << Stored(key);
    EXPECT_EQ(stored,
              (QStringList{"50", "Weeks", "True", "2", "https://dav.example.org/alice/diary/", "30",
                           "Locale", "True"}));
}

TEST_F(OptionsDlgTest, CancelKeepsOnlyTheImmediateColourAndUnitWrites) {
    const QMap<Key, QString> before = AllSettings();
    prompts.colourAnswers = {Rgb(255, 0, 0), std::nullopt};
    const WidgetDriver d = Open();
    d.Type("marqueeSecsEdit", QStringLiteral("50"));
    d.Click("marqueeOnCheck");
    d.Click("marqueeTextColourButton");
    d.Click("marqueeBackgroundColourButton");
    d.Click("fileMinutesRadio");
    d.Click("cancelButton");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    QMap<Key, QString> expected = before;
    expected[Key::MarqueeTextColor] = QStringLiteral("255");
    expected[Key::MarqueeCheckFileUnits] = QStringLiteral("Minutes");
    EXPECT_EQ(AllSettings(), expected);
}

// The checks' messages are their own table's; a refusal shows the failing
// field's tab and stores nothing until OK passes.
TEST_F(OptionsDlgTest, OkAndReturnRefuseBadValuesAndKeepTheDialogOpen) {
    const WidgetDriver d = Open();
    d.Type("marqueeSecsEdit", QStringLiteral("0"));
    d.Click("okButton");
    d.Type("marqueeSecsEdit", QStringLiteral("40"));
    d.Type("marqueeFileEdit", dir.Path());
    d.Click("okButton");
    d.Type("marqueeFileEdit", dir.SettingsFile());
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::YearViewIndex);
    d.Type("monthsDownEdit", QStringLiteral("5"));
    d.Press("monthsDownEdit", Qt::Key_Return);
    d.Click("okButton");
    ASSERT_EQ(prompts.messages.size(), 4) << "Return checks its field, OK every one";
    EXPECT_EQ(prompts.messages[0].caption, "Retry");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->Tabs()->currentIndex(), COptionsTabCtrl::YearViewIndex);
    EXPECT_EQ(Stored(Key::MarqueeSecs), QStringLiteral("25"));
    d.Type("monthsDownEdit", QStringLiteral("3"));
    d.Click("okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Stored(Key::MarqueeSecs) + Stored(Key::MarqueeFileName), "40" + dir.SettingsFile());
}

TEST_F(OptionsDlgTest, BrowseWritesTheFileAtOnceAndTheMessageIsItsFirstLine) {
    const QString path = dir.Write(QStringLiteral("lines.txt"), "First line\r\nSecond line\r\n");
    prompts.fileAnswers.append(path);
    Open().Click("marqueeBrowseButton");
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(prompts.fileRequests[0].defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(Stored(Key::MarqueeFileName), path);
    Put(Key::UseFile, QStringLiteral("True"));
    const WidgetDriver again = Open();
    EXPECT_EQ(again.Text("marqueeMessageEdit"), QStringLiteral("First line"));
    again.Click("okButton");
    EXPECT_EQ(Stored(Key::MarqueeMess), QStringLiteral("First line"));
    QFile::remove(path);
    Open().Click("okButton");
    EXPECT_EQ(prompts.Shown().filter(path).size(), 1) << "a missing file is reported";
    EXPECT_EQ(Stored(Key::MarqueeMess), QStringLiteral("First line")) << "and the message kept";
}

// What the entry holds is the entry's own test; a failure keeps the dialog open.
TEST_F(OptionsDlgTest, TheLoginBoxWritesAndRemovesTheAutostartEntry) {
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.Path().toUtf8());
    const QString entry = dir.File(QStringLiteral("autostart/plenda.desktop"));
    for (bool on : {true, false}) {
        const WidgetDriver d = Open();
        EXPECT_EQ(d.Checked("autostartCheck"), !on);
        d.Click("autostartCheck");
        d.Click("okButton");
        EXPECT_EQ(QFile::exists(entry), on);
    }
    QDir(dir.Path()).rmdir(QStringLiteral("autostart"));
    dir.Write(QStringLiteral("autostart"), "a file where the folder goes");
    const WidgetDriver d = Open();
    d.Click("autostartCheck");
    d.Click("okButton");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(prompts.messages.size(), 1);
    qputenv("XDG_CONFIG_HOME", configHome);
}
// Several calendars behind the principal: the list offers them, and the one
// chosen is stored by its own address.
TEST_F(OptionsDlgTest, FindCalendarsListsThemAndTheChosenOneIsStored) {
    RadicaleServer server;
    server.MakeCalendar(QStringLiteral("home"));
    const QUrl work = server.MakeCalendar(QStringLiteral("work"));
    const WidgetDriver d = Open();
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::SyncIndex);
    d.Type("syncUrlEdit", server.Principal().toString());
    d.Type("syncUserEdit", server.Login());
    d.Type("syncPasswordEdit", server.Password());
    d.Click("syncFindButton");
    auto* list = d.Find<QListWidget>("syncCalendarList");
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->count() == 2; }, 10000))
        << d.Find<QLabel>("syncFindStatus")->text().toStdString();
    const QListWidgetItem* chosen = list->findItems("work", Qt::MatchExactly).value(0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(chosen).center());
    d.Type("syncPasswordEdit", QString());
    d.Click("okButton");
    EXPECT_EQ(QUrl(Stored(Key::CalDavUrl)).path(), work.path());
}
}  // namespace
