#include <gtest/gtest.h>

#include "dialogs/core/EntryRules.h"
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

class OptionsSettingsTest : public ::testing::Test {
protected:
    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    CDefaultSystemColours colours;
    CSettingsHelper settings{store, colours};
};

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
