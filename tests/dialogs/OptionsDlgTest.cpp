// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QSpinBox>

#include "dialogs/OptionsDlg.h"
#include "dialogs/OptionsTabCtrl.h"
#include "settings/SettingsKeys.h"
#include "support/FakePrompts.h"
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

TEST_F(OptionsDlgTest, ShowsTheStoredValuesOnFourTabs) {
    Put(Key::MarqueeCheckInternetUnits, QStringLiteral("Weeks"));
    Put(Key::CalDavLastSync, QStringLiteral("2007-03-05 09:16"));
    const WidgetDriver d = Open();
    QStringList tabs;
    for (int i = 0; i < dialog->Tabs()->count(); ++i) tabs << dialog->Tabs()->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Marquee Options", "Picture Options", "Year View Options",
                                 "Synchronise"}));
    EXPECT_EQ(d.Find<QLabel>("syncLastLabel")->text(), QStringLiteral("2007-03-05 09:16"));
    EXPECT_EQ(d.Find<QSpinBox>("syncEverySpin")->text(), QStringLiteral("Off"));
    EXPECT_EQ(d.Text("marqueeSecsEdit") + d.Text("monthsAcrossEdit"), QStringLiteral("253"));
    EXPECT_TRUE(d.Checked("fileHoursRadio") && d.Checked("internetWeeksRadio"));
    EXPECT_TRUE(d.Checked("stretchWidthCheck") && !d.Checked("showPictureCheck"));
}

TEST_F(OptionsDlgTest, OkStoresEveryPage) {
    prompts.colourAnswers.append(Rgb(0, 0, 255));
    const WidgetDriver d = Open();
    d.Type("marqueeMessageEdit", QStringLiteral("Sale today"));
    d.Type("marqueeSlideEdit", QStringLiteral("-3"));
    d.Type("marqueeSecsEdit", QStringLiteral("50"));
    d.Type("fileFreqEdit", QStringLiteral("7"));
    d.Type("internetFreqEdit", QStringLiteral("2"));
    for (const char* name :
         {"fileMinutesRadio", "internetWeeksRadio", "marqueeBackgroundColourButton",
          "marqueeOnCheck", "useInternetCheck", "useFileCheck"})
        d.Click(name);
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::PictureIndex);
    d.Click("showPictureCheck");
    d.Click("stretchHeightCheck");
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::YearViewIndex);
    d.Click("yearViewCheck");
    d.Type("monthsAcrossEdit", QStringLiteral("6"));
    d.Type("monthsDownEdit", QStringLiteral("2"));
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::SyncIndex);
    d.Type("syncUrlEdit", QStringLiteral(" dav.example.org/alice/diary "));
    d.Type("syncUserEdit", QStringLiteral("alice"));
    d.Find<QSpinBox>("syncEverySpin")->setValue(30);
    d.Click("okButton");

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(prompts.messages.isEmpty());
    const std::pair<Key, QString> expected[] = {
        {Key::MarqueeMess, "Sale today"},
        {Key::MarqueeSlide, "-3"},
        {Key::MarqueeSecs, "50"},
        {Key::MarqueeCheckFileFreq, "7"},
        {Key::MarqueeCheckFileUnits, "Minutes"},
        {Key::MarqueeCheckInternetFreq, "2"},
        {Key::MarqueeCheckInternetUnits, "Weeks"},
        {Key::MarqueeBackgroundColor, QString::number(Rgb(0, 0, 255))},
        {Key::MarqueeOn, "False"},
        {Key::UseInternet, "False"},
        {Key::UseFile, "True"},
        {Key::ShowPicture, "True"},
        {Key::StretchHeight, "False"},
        {Key::StretchWidth, "True"},
        {Key::YearView, "True"},
        {Key::MonthsAcross, "6"},
        {Key::MonthsDown, "2"},
        {Key::CalDavUrl, "https://dav.example.org/alice/diary/"},
        {Key::CalDavUser, "alice"},
        {Key::CalDavEveryMinutes, "30"}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(Stored(key), value) << DefinitionOf(key).name;
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
    ASSERT_EQ(prompts.colourRequests.size(), 2);
    EXPECT_EQ(prompts.colourRequests[0], colours.WindowTextColour());
    QMap<Key, QString> expected = before;
    expected[Key::MarqueeTextColor] = QStringLiteral("255");
    expected[Key::MarqueeCheckFileUnits] = QStringLiteral("Minutes");
    EXPECT_EQ(AllSettings(), expected);
}

TEST_F(OptionsDlgTest, OkAndReturnCheckTheCountsAndTheIntervalAndKeepTheDialogOpen) {
    const WidgetDriver d = Open();
    d.Type("marqueeSecsEdit", QStringLiteral("0"));
    d.Click("okButton");
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::YearViewIndex);
    d.Type("monthsAcrossEdit", QStringLiteral("3a"));
    d.Press("monthsAcrossEdit", Qt::Key_Return);
    d.Type("monthsAcrossEdit", QStringLiteral("4"));
    d.Type("monthsDownEdit", QStringLiteral("4"));
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::MarqueeIndex);
    d.Type("marqueeSecsEdit", QStringLiteral("40"));
    d.Press("marqueeSecsEdit", Qt::Key_Return);
    d.Click("okButton");
    QStringList shown;
    for (const auto& m : prompts.messages) shown << m.caption + ": " + m.text;
    EXPECT_EQ(shown, (QStringList{"Retry: Please enter an integer between 1 and 2147483647.",
                                  "Retry: Numbers only", "Retry: 12 months is the limit"}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->Tabs()->currentIndex(), COptionsTabCtrl::YearViewIndex);
    EXPECT_EQ(Stored(Key::MarqueeSecs), QStringLiteral("25"))
        << "nothing of a refused OK is stored";
    d.Type("monthsDownEdit", QStringLiteral("3"));
    d.Click("okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Stored(Key::MonthsDown), QStringLiteral("3"));
}

TEST_F(OptionsDlgTest, BrowseWritesTheFileAtOnceAndTheMessageIsItsFirstLine) {
    const QString path = dir.Write(QStringLiteral("lines.txt"), "First line\r\nSecond line\r\n");
    prompts.fileAnswers.append(path);
    const WidgetDriver d = Open();
    d.Click("marqueeBrowseButton");
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(prompts.fileRequests[0].defaultSuffix, QStringLiteral("txt"));
    EXPECT_TRUE(prompts.fileRequests[0].filter.contains(QStringLiteral("*.dat")));
    EXPECT_EQ(Stored(Key::MarqueeFileName), path);
    EXPECT_EQ(Stored(Key::UseFile), QStringLiteral("False"));

    Put(Key::UseFile, QStringLiteral("True"));
    const WidgetDriver again = Open();
    EXPECT_EQ(again.Text("marqueeMessageEdit"), QStringLiteral("First line"));
    again.Click("okButton");
    EXPECT_EQ(Stored(Key::MarqueeMess), QStringLiteral("First line"));
    QFile::remove(path);
    Open().Click("okButton");
    ASSERT_EQ(prompts.messages.size(), 1) << "a missing file is reported";
    EXPECT_TRUE(prompts.messages[0].text.contains(path));
    EXPECT_EQ(Stored(Key::MarqueeMess), QStringLiteral("First line")) << "and the message kept";
}

TEST_F(OptionsDlgTest, ATypedFileNameIsCheckedAndStoredByOk) {
    const WidgetDriver d = Open();
    d.Type("marqueeFileEdit", dir.Path());
    d.Click("okButton");
    ASSERT_EQ(prompts.messages.size(), 1) << "a folder is refused";
    EXPECT_TRUE(dialog->isVisible());
    d.Type("marqueeFileEdit", dir.SettingsFile());
    d.Click("okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Stored(Key::MarqueeFileName), dir.SettingsFile());
}

TEST_F(OptionsDlgTest, TheLoginBoxWritesAndRemovesTheAutostartEntry) {
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.Path().toUtf8());
    QFile entry(dir.File(QStringLiteral("autostart/plenda.desktop")));
    for (bool on : {true, false}) {
        const WidgetDriver d = Open();
        EXPECT_EQ(d.Checked("autostartCheck"), !on);
        d.Click("autostartCheck");
        d.Click("okButton");
        EXPECT_EQ(entry.exists(), on);
        if (on && entry.open(QIODevice::ReadOnly)) {
            EXPECT_TRUE(entry.readAll().contains("\nExec=" +
                                                 QCoreApplication::applicationFilePath().toUtf8()));
        }
        entry.close();
    }
    // A file where the folder should be: the box says why, the dialog stays.
    QDir(dir.Path()).rmdir(QStringLiteral("autostart"));
    ASSERT_TRUE(QFile(dir.File(QStringLiteral("autostart"))).open(QIODevice::WriteOnly));
    const WidgetDriver d = Open();
    d.Click("autostartCheck");
    d.Click("okButton");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(prompts.messages.size(), 1);
    qputenv("XDG_CONFIG_HOME", configHome);
}
}  // namespace
