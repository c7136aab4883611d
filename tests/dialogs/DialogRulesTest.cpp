// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "dialogs/core/EntryRules.h"
#include "dialogs/core/OptionsChecks.h"
#include "dialogs/core/OptionsSettings.h"
#include "settings/SettingsKeys.h"
#include "support/RowName.h"
#include "support/SettingsFixture.h"

namespace {
// The year view page's counts: the first failing rule's message, empty when
// they pass; the limit check on OK also refuses a zero count.
struct YearGridRow {
    const char* name;
    const char* across;
    const char* down;
    const char* pageMessage;
    const char* okMessage;
};

class YearGridCounts : public ::testing::TestWithParam<YearGridRow> {};

TEST_P(YearGridCounts, GiveTheFirstFailingRule) {
    const YearGridRow& r = GetParam();
    EXPECT_EQ(YearViewPageMessage(QLatin1String(r.across), QLatin1String(r.down)),
              QLatin1String(r.pageMessage));
    EXPECT_EQ(YearViewLimitMessage(QLatin1String(r.across), QLatin1String(r.down)),
              QLatin1String(r.okMessage));
}

constexpr char kEnter[] = "Please enter a number";
constexpr char kDigits[] = "Numbers only";
constexpr char kLimit[] = "12 months is the limit";
constexpr char kRange[] = "Please enter a number from 1 to 12";
INSTANTIATE_TEST_SUITE_P(
    OptionsChecks, YearGridCounts,
    ::testing::Values(YearGridRow{"NoDown", "3", "", kEnter, kEnter},
                      YearGridRow{"EmptyBeforeLetters", "3a", "", kEnter, kEnter},
                      YearGridRow{"Letters", "3a", "4", kDigits, kDigits},
                      YearGridRow{"Blank", " 3", "4", kDigits, kDigits},
                      YearGridRow{"Sixteen", "4", "4", kLimit, kLimit},
                      YearGridRow{"Huge", "99999999999999999999", "1", kLimit, kLimit},
                      YearGridRow{"Twelve", "3", "4", "", ""},
                      YearGridRow{"LeadingZero", "04", "3", "", ""},
                      YearGridRow{"ZeroAcross", "0", "4", "", kRange},
                      YearGridRow{"ZeroDown", "2", "00", "", kRange}),
    RowName());

TEST(OptionsChecks, WholeNumbersFromTheMinimumUp) {
    const QString kInteger = QStringLiteral("Please enter an integer.");
    const std::tuple<const char*, int, QString> cases[] = {
        {"25", 1, ""},
        {"-3", std::numeric_limits<int>::min(), ""},
        {"", 0, kInteger},
        {"2.5", 0, kInteger},
        {"99999999999", 0, kInteger},
        {"0", 1, "Please enter an integer between 1 and 2147483647."}};
    for (const auto& [text, minimum, message] : cases)
        EXPECT_EQ(WholeNumberMessage(text, minimum), message) << text;
}

// A diary entry's message and alarm time: every failed rule, and the time as saved.
struct EntryRow {
    const char* name;
    const char* message;
    const char* time;
    const char* errors;
    const char* saved;
};

class EntryChecks : public ::testing::TestWithParam<EntryRow> {};

TEST_P(EntryChecks, CollectEveryFailedRule) {
    const EntryRow& r = GetParam();
    const EntryCheck check = CheckEntry(QString::fromUtf8(r.message), QString::fromUtf8(r.time));
    EXPECT_EQ(check.errors, QString::fromUtf8(r.errors));
    EXPECT_EQ(check.eventTime, QString::fromUtf8(r.saved));
}

INSTANTIATE_TEST_SUITE_P(
    EntryRules, EntryChecks,
    ::testing::Values(
        EntryRow{"AllThree", "", "2575",
                 "Please add a message\nAlarm time- Hours cannot be more than 24\n"
                 "Alarm time- Minutes cannot be more than 59\n",
                 "2575"},
        EntryRow{"NoTimeIsMidnight", "Tea", "", "", "0000"},
        EntryRow{"LatestAllowed", "Tea", "2459", "", "2459"},
        EntryRow{"Hour24", "Tea", "2400", "", "2400"},
        EntryRow{"Hour25", "Tea", "2500", "Alarm time- Hours cannot be more than 24\n", "2500"},
        EntryRow{"Minute60", "Tea", "1260", "Alarm time- Minutes cannot be more than 59\n", "1260"},
        EntryRow{"OneDigit", "Tea", "1", "Alarm time- Type it as HH:MM, for example 09:30\n", "1"},
        EntryRow{"BlanksAreNone", "Tea", "    ", "", "0000"}),
    RowName());

// A stored alarm time, the field's text for it, and what that text stores.
struct AlarmFieldRow {
    const char* name;
    const char* stored;
    const char* shown;
    const char* storedBack;  // "" when the text reads as no time
};

class AlarmField : public ::testing::TestWithParam<AlarmFieldRow> {};

TEST_P(AlarmField, ShownAndReadBack) {
    const QLocale gb(QStringLiteral("en_GB"));
    const QString shown = AlarmTimeForDisplay(QLatin1String(GetParam().stored), gb);
    EXPECT_EQ(shown, QLatin1String(GetParam().shown));
    EXPECT_EQ(StoredAlarmTimeOf(shown, gb).value_or(QString()), GetParam().storedBack);
}

INSTANTIATE_TEST_SUITE_P(EntryRules, AlarmField,
                         ::testing::Values(AlarmFieldRow{"DayClock", "0930", "09:30", "0930"},
                                           AlarmFieldRow{"NoneIsEmpty", "0000", "", "0000"},
                                           AlarmFieldRow{"BlanksAreNone", "    ", "", "0000"},
                                           AlarmFieldRow{"EndOfDay", "2400", "24:00", "2400"},
                                           AlarmFieldRow{"OutOfRange", "2575", "25:75", "2575"},
                                           AlarmFieldRow{"NoTime", "9x", "9x", ""}),
                         RowName());

TEST(EntryRules, TypedAlarmTimes) {
    const QLocale us(QStringLiteral("en_US"));
    EXPECT_EQ(StoredAlarmTimeOf(AlarmTimeForDisplay(QStringLiteral("2130"), us), us), "2130");
    for (const char* typed : {"930", "9:30", "9.30", " 09:30 "})
        EXPECT_EQ(StoredAlarmTimeOf(QLatin1String(typed), us), QStringLiteral("0930")) << typed;
}

using OptionsSettingsTest = SettingsFixture;

TEST_F(OptionsSettingsTest, LoadingReadsPlainlyAndWritesNothing) {
    Put(Key::MarqueeSecs, QStringLiteral("50"));
    Put(Key::MarqueeCheckFileUnits, QStringLiteral("minutes"));
    const MarqueeOptions marquee = LoadMarqueeOptions(settings);
    EXPECT_EQ(marquee.secs, 50);
    EXPECT_EQ(marquee.slide, 0);
    EXPECT_EQ(marquee.textColour, colours.WindowTextColour());
    LoadPictureOptions(settings);
    LoadYearViewOptions(settings);
    for (Key key : {Key::MarqueeSlide, Key::MarqueeTextColor, Key::MonthsAcross, Key::ShowPicture})
        EXPECT_FALSE(store.Contains(CSettingsStore::kSettingsSection, KeyName(key)))
            << DefinitionOf(key).name;
    // A unit word in another case selects no button.
    EXPECT_EQ(UnitWordIndex(FileCheckUnitWords(), marquee.fileUnits), -1);
    EXPECT_EQ(UnitWordIndex(InternetCheckUnitWords(), QStringLiteral("Weeks")), 1);
}
}  // namespace
