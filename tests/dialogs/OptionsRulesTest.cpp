#include <gtest/gtest.h>

#include "dialogs/core/EntryRules.h"
#include "dialogs/core/FindChoice.h"
#include "dialogs/core/OptionsChecks.h"
#include "dialogs/core/OptionsSettings.h"
#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/TempDir.h"

TEST(YearViewPageCheck, ReportsTheFirstFailingRule) {
    struct Case {
        const char* across;
        const char* down;
        const char* message;
    };
    for (const Case& c :
         {Case{"", "4", "Please enter a number"}, Case{"3", "", "Please enter a number"},
          Case{"3a", "", "Please enter a number"}, Case{"3a", "4", "Numbers only"},
          Case{"3", "-4", "Numbers only"}, Case{" 3", "4", "Numbers only"},
          Case{"4", "4", "12 months is the limit"}, Case{"13", "1", "12 months is the limit"},
          Case{"99999999999999999999", "1", "12 months is the limit"}, Case{"3", "4", ""},
          Case{"12", "1", ""}, Case{"0", "4", ""}}) {
        EXPECT_EQ(YearViewPageMessage(QLatin1String(c.across), QLatin1String(c.down)),
                  QLatin1String(c.message))
            << c.across << " by " << c.down;
    }
}

TEST(YearViewLimitCheck, AlsoRefusesAZeroCount) {
    EXPECT_EQ(YearViewLimitMessage(QStringLiteral("0"), QStringLiteral("4")),
              QStringLiteral("Please enter a number from 1 to 12"));
    EXPECT_EQ(YearViewLimitMessage(QStringLiteral("2"), QStringLiteral("00")),
              QStringLiteral("Please enter a number from 1 to 12"));
    EXPECT_EQ(YearViewLimitMessage(QStringLiteral("4"), QStringLiteral("4")),
              QStringLiteral("12 months is the limit"));
    EXPECT_EQ(YearViewLimitMessage(QStringLiteral("04"), QStringLiteral("3")), QString());
}

TEST(WholeNumberCheck, RefusesTextAndValuesBelowTheMinimum) {
    EXPECT_EQ(WholeNumberMessage(QStringLiteral("25"), 1), QString());
    EXPECT_EQ(WholeNumberMessage(QStringLiteral("-3"), std::numeric_limits<int>::min()), QString());
    EXPECT_EQ(WholeNumberMessage(QString(), 0), QStringLiteral("Please enter an integer."));
    EXPECT_EQ(WholeNumberMessage(QStringLiteral("2.5"), 0),
              QStringLiteral("Please enter an integer."));
    EXPECT_EQ(WholeNumberMessage(QStringLiteral("99999999999"), 0),
              QStringLiteral("Please enter an integer."));
    EXPECT_EQ(WholeNumberMessage(QStringLiteral("0"), 1),
              QStringLiteral("Please enter an integer between 1 and 2147483647."));
}

TEST(FindChoice, MapsIndexesAndEditsToFields) {
    EXPECT_EQ(FindFieldOfIndex(0), FindField::Date);
    EXPECT_EQ(FindFieldOfIndex(1), FindField::Message);
    EXPECT_EQ(FindFieldOfIndex(2), FindField::Tune);
    EXPECT_EQ(FindFieldOfIndex(-1), FindField::Message);
    EXPECT_EQ(FindFieldOfIndex(7), FindField::Message);
    EXPECT_EQ(LookInIndexForEdit(EntryEdit::None), 0);
    EXPECT_EQ(LookInIndexForEdit(EntryEdit::Date), 0);
    EXPECT_EQ(LookInIndexForEdit(EntryEdit::Message), 1);
    EXPECT_EQ(LookInIndexForEdit(EntryEdit::Tune), 2);
}

class OptionsSettingsTest : public ::testing::Test {
protected:
    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    CDefaultSystemColours colours;
    CSettingsHelper settings{store, colours};
};

TEST_F(OptionsSettingsTest, UnitWordsMatchOnlyExactly) {
    EXPECT_EQ(UnitWordIndex(FileCheckUnitWords(), QStringLiteral("Minutes")), 1);
    EXPECT_EQ(UnitWordIndex(FileCheckUnitWords(), QStringLiteral("minutes")), -1);
    EXPECT_EQ(UnitWordIndex(InternetCheckUnitWords(), QStringLiteral("Months")), 2);
    EXPECT_EQ(UnitWordIndex(InternetCheckUnitWords(), QStringLiteral("Hours")), -1);
}

TEST_F(OptionsSettingsTest, LoadingReadsPlainlyAndWritesNothing) {
    settings.WriteSetting(Key::MarqueeSecs, QStringLiteral("50"));
    settings.WriteSetting(Key::MarqueeOn, QStringLiteral("True"));
    const MarqueeOptions marquee = LoadMarqueeOptions(settings);
    EXPECT_EQ(marquee.secs, 50);
    EXPECT_TRUE(marquee.on);
    EXPECT_EQ(marquee.slide, 0);
    EXPECT_EQ(marquee.textColour, colours.WindowTextColour());
    EXPECT_EQ(marquee.backgroundColour, colours.WindowColour());
    LoadPictureOptions(settings);
    LoadYearViewOptions(settings);
    EXPECT_FALSE(store.Contains(CSettingsStore::kSettingsSection, Key::MarqueeSlide));
    EXPECT_FALSE(store.Contains(CSettingsStore::kSettingsSection, Key::MarqueeTextColor));
    EXPECT_FALSE(store.Contains(CSettingsStore::kSettingsSection, Key::MonthsAcross));
}

TEST_F(OptionsSettingsTest, SavingMarqueeLeavesTheImmediateKeysAlone) {
    settings.WriteSetting(Key::MarqueeTextColor, QStringLiteral("255"));
    settings.WriteSetting(Key::MarqueeCheckFileUnits, QStringLiteral("Minutes"));
    settings.WriteSetting(Key::MarqueeFileName, QStringLiteral("/tmp/a.txt"));
    MarqueeOptions options;
    options.on = true;
    options.message = QStringLiteral("Hello");
    options.slide = -2;
    options.secs = 50;
    options.fileFreq = 3;
    options.internetFreq = 4;
    options.useFile = true;
    options.fileName = QStringLiteral("/tmp/other.txt");
    options.fileUnits = QStringLiteral("Hours");
    options.textColour = 0;
    SaveMarqueeOptions(settings, options);

    EXPECT_EQ(settings.ReadPlain(Key::MarqueeSlide), QStringLiteral("-2"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeSecs), QStringLiteral("50"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeCheckFileFreq), QStringLiteral("3"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeCheckInternetFreq), QStringLiteral("4"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeMess), QStringLiteral("Hello"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeOn), QStringLiteral("True"));
    EXPECT_EQ(settings.ReadPlain(Key::UseFile), QStringLiteral("True"));
    EXPECT_EQ(settings.ReadPlain(Key::UseInternet), QStringLiteral("False"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeTextColor), QStringLiteral("255"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeCheckFileUnits), QStringLiteral("Minutes"));
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeFileName), QStringLiteral("/tmp/a.txt"));
}

TEST_F(OptionsSettingsTest, PictureAndYearViewRoundTrip) {
    SavePictureOptions(settings, {true, false, true});
    SaveYearViewOptions(settings, {true, QStringLiteral("4"), QStringLiteral("3")});
    const PictureOptions picture = LoadPictureOptions(settings);
    EXPECT_TRUE(picture.showPicture);
    EXPECT_FALSE(picture.stretchHeight);
    EXPECT_TRUE(picture.stretchWidth);
    const YearViewOptions yearView = LoadYearViewOptions(settings);
    EXPECT_TRUE(yearView.yearView);
    EXPECT_EQ(yearView.monthsAcross, QStringLiteral("4"));
    EXPECT_EQ(yearView.monthsDown, QStringLiteral("3"));
}

TEST(EntryRules, CollectsEveryFailedRuleAndDefaultsTheTime) {
    EntryCheck check = CheckEntry(QString(), QStringLiteral("2575"));
    EXPECT_EQ(check.errors, QStringLiteral("Please add a message\n"
                                           "Alarm time- Hours cannot be more than 24\n"
                                           "Alarm time- Minutes cannot be more than 59\n"));
    check = CheckEntry(QStringLiteral("Tea"), QString());
    EXPECT_EQ(check.errors, QString());
    EXPECT_EQ(check.eventTime, QStringLiteral("0000"));
    EXPECT_EQ(CheckEntry(QStringLiteral("Tea"), QStringLiteral("2459")).errors, QString());
    EXPECT_EQ(CheckEntry(QStringLiteral("Tea"), QStringLiteral("1")).errors, QString());
    EXPECT_EQ(CheckEntry(QStringLiteral("Tea"), QStringLiteral("    ")).errors, QString());
}

TEST(EntryRules, NavigationFollowsThePlaceInTheList) {
    const NavigationState none = NavigationFor(0, 0, true, true);
    EXPECT_FALSE(none.anyRecord || none.forward || none.backward);
    const NavigationState only = NavigationFor(1, 1, false, false);
    EXPECT_TRUE(only.anyRecord);
    EXPECT_FALSE(only.forward || only.backward);
    const NavigationState middle = NavigationFor(3, 2, false, false);
    EXPECT_TRUE(middle.forward && middle.backward);
    const NavigationState last = NavigationFor(3, 3, false, false);
    EXPECT_TRUE(last.backward);
    EXPECT_FALSE(last.forward);
}

TEST(EntryRules, StoredDatesAndTexts) {
    EXPECT_EQ(StoredDateOf(QStringLiteral("5/3/2007"), DateOrder::DayMonthYear),
              QStringLiteral("05032007"));
    EXPECT_EQ(StoredDateOf(QStringLiteral("12/25/2007"), DateOrder::MonthDayYear),
              QStringLiteral("25122007"));
    EXPECT_EQ(StoredDateOf(QStringLiteral("**/03/2007"), DateOrder::DayMonthYear),
              QStringLiteral("**032007"));
    EXPECT_EQ(StoredDateOf(QStringLiteral("ab-1"), DateOrder::DayMonthYear), QStringLiteral("1"));
    EXPECT_EQ(PositionText(3, 10), QStringLiteral("3 of 10"));
    EXPECT_EQ(NotFoundText(QStringLiteral("x")), QStringLiteral("'x' not found"));
}
