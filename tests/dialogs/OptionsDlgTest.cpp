#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/OptionsDlg.h"
#include "dialogs/OptionsTabCtrl.h"
#include "marquee/Marquee.h"
#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/FakeMarqueeCanvas.h"
#include "support/FakeMarqueeTimer.h"
#include "support/FakePrompts.h"
#include "support/TempDir.h"

namespace {
const QString kRetry = QStringLiteral("Retry");
}

class OptionsDlgTest : public ::testing::Test {
protected:
    OptionsDlgTest() {
        // As after the first start: the view has written every default back.
        for (const SettingDefinition& definition : SettingsTable())
            settings.GetSetting(QLatin1String(definition.key), true);
    }

    std::unique_ptr<COptionsDlg> Open() {
        auto dialog = std::make_unique<COptionsDlg>(settings, prompts);
        dialog->show();
        return dialog;
    }

    template <typename Widget>
    static Widget* Find(QWidget* dialog, const char* name) {
        auto* widget = dialog->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Clicks near the left edge: a check box stretched by its layout takes
    // clicks only on its box and label.
    static void Click(QWidget* dialog, const char* name) {
        QAbstractButton* button = Find<QAbstractButton>(dialog, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    static void Retype(QWidget* dialog, const char* name, const QString& text) {
        auto* edit = Find<QLineEdit>(dialog, name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    // Every setting but the dialog's own position, which each closing writes.
    QMap<QString, QString> AllSettings() const {
        QMap<QString, QString> values;
        for (const SettingDefinition& definition : SettingsTable()) {
            const QString key = QLatin1String(definition.key);
            if (key != QLatin1String(Key::OptionsDialogRect))
                values.insert(key, settings.ReadPlain(key));
        }
        return values;
    }

    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    CDefaultSystemColours colours;
    CSettingsHelper settings{store, colours};
    FakePrompts prompts;
};

TEST_F(OptionsDlgTest, ShowsTheStoredValuesOnThreeTabs) {
    settings.WriteSetting(Key::MarqueeMess, QStringLiteral("Welcome"));
    settings.WriteSetting(Key::MonthsAcross, QStringLiteral("3"));
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Options Tab"));
    COptionsTabCtrl* tabs = dialog->Tabs();
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Marquee Options"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Picture Options"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Year View Options"));
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(Find<QLineEdit>(dialog.get(), "marqueeMessageEdit")->text(),
              QStringLiteral("Welcome"));
    EXPECT_EQ(Find<QLineEdit>(dialog.get(), "marqueeSecsEdit")->text(), QStringLiteral("25"));
    EXPECT_TRUE(Find<QCheckBox>(dialog.get(), "marqueeOnCheck")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(dialog.get(), "fileHoursRadio")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(dialog.get(), "internetDaysRadio")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(dialog.get(), "stretchWidthCheck")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(dialog.get(), "showPictureCheck")->isChecked());
    EXPECT_EQ(Find<QLineEdit>(dialog.get(), "monthsAcrossEdit")->text(), QStringLiteral("3"));
    EXPECT_EQ(Find<QLineEdit>(dialog.get(), "monthsDownEdit")->text(), QStringLiteral("4"));
}

TEST_F(OptionsDlgTest, AUnitWordInOtherCaseSelectsNoButton) {
    settings.WriteSetting(Key::MarqueeCheckFileUnits, QStringLiteral("minutes"));
    auto dialog = Open();
    for (const char* name : {"fileSecondsRadio", "fileMinutesRadio", "fileHoursRadio"})
        EXPECT_FALSE(Find<QRadioButton>(dialog.get(), name)->isChecked()) << name;
}

TEST_F(OptionsDlgTest, CancelKeepsOnlyTheColourAndUnitWrites) {
    const QMap<QString, QString> before = AllSettings();
    prompts.colourAnswers.append(Rgb(255, 0, 0));
    auto dialog = Open();
    Retype(dialog.get(), "marqueeSecsEdit", QStringLiteral("50"));
    Click(dialog.get(), "marqueeOnCheck");
    Click(dialog.get(), "marqueeTextColourButton");
    Click(dialog.get(), "fileMinutesRadio");
    Click(dialog.get(), "cancelButton");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);

    ASSERT_EQ(prompts.colourRequests.size(), 1);
    EXPECT_EQ(prompts.colourRequests[0], colours.WindowTextColour());
    QMap<QString, QString> expected = before;
    expected[Key::MarqueeTextColor] = QStringLiteral("255");
    expected[Key::MarqueeCheckFileUnits] = QStringLiteral("Minutes");
    EXPECT_EQ(AllSettings(), expected);
}

TEST_F(OptionsDlgTest, ACancelledColourDialogWritesNothing) {
    const QMap<QString, QString> before = AllSettings();
    auto dialog = Open();
    Click(dialog.get(), "marqueeBackgroundColourButton");
    EXPECT_EQ(prompts.colourRequests.size(), 1);
    EXPECT_EQ(AllSettings(), before);
}

TEST_F(OptionsDlgTest, OkStoresEveryPage) {
    prompts.colourAnswers.append(Rgb(0, 0, 255));
    auto dialog = Open();
    Retype(dialog.get(), "marqueeMessageEdit", QStringLiteral("Sale today"));
    Retype(dialog.get(), "marqueeSlideEdit", QStringLiteral("-3"));
    Retype(dialog.get(), "marqueeSecsEdit", QStringLiteral("50"));
    Retype(dialog.get(), "fileFreqEdit", QStringLiteral("1"));
    Retype(dialog.get(), "internetFreqEdit", QStringLiteral("2"));
    Click(dialog.get(), "fileMinutesRadio");
    Click(dialog.get(), "internetWeeksRadio");
    Click(dialog.get(), "marqueeBackgroundColourButton");
    Click(dialog.get(), "marqueeOnCheck");
    Click(dialog.get(), "useInternetCheck");
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::PictureIndex);
    Click(dialog.get(), "showPictureCheck");
    Click(dialog.get(), "stretchHeightCheck");
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::YearViewIndex);
    Click(dialog.get(), "yearViewCheck");
    Retype(dialog.get(), "monthsAcrossEdit", QStringLiteral("6"));
    Retype(dialog.get(), "monthsDownEdit", QStringLiteral("2"));
    Click(dialog.get(), "okButton");

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeMess), QStringLiteral("Sale today"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeSlide), QStringLiteral("-3"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeSecs), QStringLiteral("50"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeCheckFileFreq), QStringLiteral("1"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeCheckFileUnits), QStringLiteral("Minutes"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeCheckInternetFreq), QStringLiteral("2"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeCheckInternetUnits), QStringLiteral("Weeks"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeBackgroundColor), QString::number(Rgb(0, 0, 255)));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeOn), QStringLiteral("False"));
    EXPECT_EQ(settings.ReadPlain(Key::UseInternet), QStringLiteral("False"));
    EXPECT_EQ(settings.ReadPlain(Key::UseFile), QStringLiteral("False"));
    EXPECT_EQ(settings.ReadPlain(Key::ShowPicture), QStringLiteral("True"));
    EXPECT_EQ(settings.ReadPlain(Key::StretchHeight), QStringLiteral("False"));
    EXPECT_EQ(settings.ReadPlain(Key::StretchWidth), QStringLiteral("True"));
    EXPECT_EQ(settings.ReadPlain(Key::YearView), QStringLiteral("True"));
    EXPECT_EQ(settings.ReadPlain(Key::MonthsAcross), QStringLiteral("6"));
    EXPECT_EQ(settings.ReadPlain(Key::MonthsDown), QStringLiteral("2"));
}

TEST_F(OptionsDlgTest, OkRefusesYearViewCountsBeyondTwelveMonths) {
    auto dialog = Open();
    Retype(dialog.get(), "marqueeSecsEdit", QStringLiteral("50"));
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::YearViewIndex);
    Retype(dialog.get(), "monthsAcrossEdit", QStringLiteral("4"));
    Retype(dialog.get(), "monthsDownEdit", QStringLiteral("4"));
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::MarqueeIndex);
    Click(dialog.get(), "okButton");

    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("12 months is the limit"));
    EXPECT_EQ(prompts.messages[0].caption, kRetry);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->Tabs()->currentIndex(), COptionsTabCtrl::YearViewIndex);
    // Nothing of the refused OK is stored.
    EXPECT_EQ(settings.ReadPlain(Key::MonthsAcross), QStringLiteral("3"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeSecs), QStringLiteral("25"));

    Retype(dialog.get(), "monthsDownEdit", QStringLiteral("3"));
    Click(dialog.get(), "okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings.ReadPlain(Key::MonthsAcross), QStringLiteral("4"));
    EXPECT_EQ(settings.ReadPlain(Key::MonthsDown), QStringLiteral("3"));
}

TEST_F(OptionsDlgTest, OkRefusesAMarqueeIntervalBelowOneMillisecond) {
    auto dialog = Open();
    Retype(dialog.get(), "marqueeSecsEdit", QStringLiteral("0"));
    Click(dialog.get(), "okButton");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("Please enter an integer between 1 and 2147483647."));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeSecs), QStringLiteral("25"));
}

TEST_F(OptionsDlgTest, ReturnInTheYearViewPageChecksTheCountsAndKeepsTheDialogOpen) {
    auto dialog = Open();
    dialog->Tabs()->setCurrentIndex(COptionsTabCtrl::YearViewIndex);
    Retype(dialog.get(), "monthsAcrossEdit", QStringLiteral("4"));
    Retype(dialog.get(), "monthsDownEdit", QStringLiteral("4"));
    QTest::keyClick(Find<QLineEdit>(dialog.get(), "monthsDownEdit"), Qt::Key_Return);
    Retype(dialog.get(), "monthsAcrossEdit", QStringLiteral("3a"));
    QTest::keyClick(Find<QLineEdit>(dialog.get(), "monthsAcrossEdit"), Qt::Key_Return);
    Retype(dialog.get(), "monthsAcrossEdit", QStringLiteral("3"));
    QTest::keyClick(Find<QLineEdit>(dialog.get(), "monthsAcrossEdit"), Qt::Key_Enter);

    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("12 months is the limit"));
    EXPECT_EQ(prompts.messages[0].caption, kRetry);
    EXPECT_EQ(prompts.messages[1].text, QStringLiteral("Numbers only"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(settings.ReadPlain(Key::MonthsAcross), QStringLiteral("3"));
}

TEST_F(OptionsDlgTest, ReturnInTheMarqueePageDoesNotCloseTheDialog) {
    auto dialog = Open();
    Retype(dialog.get(), "marqueeSecsEdit", QStringLiteral("40"));
    QTest::keyClick(Find<QLineEdit>(dialog.get(), "marqueeSecsEdit"), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeSecs), QStringLiteral("25"));
}

TEST_F(OptionsDlgTest, BrowseWritesTheFileAtOnceAndLeavesUseFileAlone) {
    prompts.fileAnswers.append(dir.File(QStringLiteral("news.txt")));
    auto dialog = Open();
    Click(dialog.get(), "marqueeBrowseButton");
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(prompts.fileRequests[0].defaultSuffix, QStringLiteral("txt"));
    EXPECT_TRUE(prompts.fileRequests[0].filter.contains(QStringLiteral("*.dat")));
    EXPECT_EQ(Find<QLineEdit>(dialog.get(), "marqueeFileEdit")->text(),
              dir.File(QStringLiteral("news.txt")));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeFileName), dir.File(QStringLiteral("news.txt")));
    EXPECT_FALSE(Find<QCheckBox>(dialog.get(), "useFileCheck")->isChecked());
    EXPECT_EQ(settings.ReadPlain(Key::UseFile), QStringLiteral("False"));
}

TEST_F(OptionsDlgTest, WithAFileTheMessageIsItsFirstLineAndOkStoresIt) {
    const QString path = dir.File(QStringLiteral("lines.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("First line\r\nSecond line\r\n");
    file.close();
    settings.WriteSetting(Key::UseFile, QStringLiteral("True"));
    settings.WriteSetting(Key::MarqueeFileName, path);
    settings.WriteSetting(Key::MarqueeMess, QStringLiteral("Old message"));
    auto dialog = Open();
    EXPECT_EQ(Find<QLineEdit>(dialog.get(), "marqueeMessageEdit")->text(),
              QStringLiteral("First line"));
    Click(dialog.get(), "okButton");
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeMess), QStringLiteral("First line"));
}

TEST_F(OptionsDlgTest, AMissingMarqueeFileIsReportedAndTheMessageKept) {
    settings.WriteSetting(Key::UseFile, QStringLiteral("True"));
    settings.WriteSetting(Key::MarqueeFileName, dir.File(QStringLiteral("gone.txt")));
    settings.WriteSetting(Key::MarqueeMess, QStringLiteral("Old message"));
    auto dialog = Open();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("gone.txt")));
    EXPECT_EQ(Find<QLineEdit>(dialog.get(), "marqueeMessageEdit")->text(),
              QStringLiteral("Old message"));
    Click(dialog.get(), "okButton");
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeMess), QStringLiteral("Old message"));
}

TEST_F(OptionsDlgTest, TheMarqueeReloadTakesTheNewIntervalAndFileCheckPeriod) {
    FakeMarqueeTimer timer;
    FakeMarqueeCanvas canvas;
    CMarquee marquee(settings, prompts, timer, canvas);
    marquee.LoadSettings();
    marquee.Start();
    ASSERT_EQ(timer.lastInterval, 25);

    auto dialog = Open();
    Retype(dialog.get(), "marqueeSecsEdit", QStringLiteral("50"));
    Retype(dialog.get(), "fileFreqEdit", QStringLiteral("1"));
    Click(dialog.get(), "fileMinutesRadio");
    Click(dialog.get(), "okButton");
    marquee.Reload();
    EXPECT_EQ(marquee.TickLimit(), 1200);
    EXPECT_EQ(timer.lastInterval, 50);
    EXPECT_TRUE(timer.running);
    EXPECT_EQ(timer.startsWhileRunning, 0);

    auto second = Open();
    Click(second.get(), "marqueeOnCheck");
    Click(second.get(), "okButton");
    marquee.Reload();
    EXPECT_FALSE(timer.running) << "switching the band off in Options stops its timer";
}

TEST_F(OptionsDlgTest, ReopensWhereItWasLastClosed) {
    auto dialog = Open();
    dialog->move(200, 150);
    Click(dialog.get(), "cancelButton");
    EXPECT_TRUE(
        settings.ReadPlain(Key::OptionsDialogRect).startsWith(QStringLiteral("0200 0150 ")));
    auto again = Open();
    EXPECT_EQ(again->pos(), QPoint(200, 150));
}
