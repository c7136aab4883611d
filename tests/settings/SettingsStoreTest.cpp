#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>

#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/TempDir.h"

namespace {
class FixedColours : public ISystemColours {
public:
    ColourRef WindowColour() const override { return window; }
    ColourRef WindowTextColour() const override { return text; }
    ColourRef window = Rgb(255, 255, 255);
    ColourRef text = Rgb(0, 0, 0);
};

class SettingsTest : public ::testing::Test {
protected:
    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    FixedColours colours;
    CSettingsHelper helper{store, colours};

    QString Stored(const QString& key) { return store.ReadText(QStringLiteral("Settings"), key); }
    void Store(const QString& key, const QString& value) {
        store.WriteText(QStringLiteral("Settings"), key, value);
    }
};
}  // namespace

TEST_F(SettingsTest, BooleansReadTrueOnlyForTrueInAnyCase) {
    for (const char* yes : {"True", "TRUE", "true", "tRuE"})
        EXPECT_TRUE(CSettingsHelper::TextToBool(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"False", "Yes", "1", "", " True", "Truex"})
        EXPECT_FALSE(CSettingsHelper::TextToBool(QString::fromLatin1(no))) << no;
    EXPECT_EQ(CSettingsHelper::BoolToText(true), QStringLiteral("True"));
    EXPECT_EQ(CSettingsHelper::BoolToText(false), QStringLiteral("False"));
}

TEST_F(SettingsTest, GetSettingWritesBackMissingAndEmptyValues) {
    EXPECT_EQ(helper.GetSetting(QStringLiteral("MarqueeSecs")), QStringLiteral("25"));
    EXPECT_EQ(Stored(QStringLiteral("MarqueeSecs")), QStringLiteral("25"));

    Store(QStringLiteral("Font"), QString());
    EXPECT_EQ(helper.GetSetting(QStringLiteral("Font")), QStringLiteral("Verdana"));
    EXPECT_EQ(Stored(QStringLiteral("Font")), QStringLiteral("Verdana"));

    EXPECT_EQ(helper.GetSetting(QStringLiteral("OnTop"), QStringLiteral("x"), false), QStringLiteral("x"));
    EXPECT_FALSE(store.Contains(QStringLiteral("Settings"), QStringLiteral("OnTop")));
}

TEST_F(SettingsTest, StoredValuesWinOverDefaults) {
    Store(QStringLiteral("FontSize"), QStringLiteral("-14"));
    EXPECT_EQ(helper.GetInt(QStringLiteral("FontSize")), -14);
    Store(QStringLiteral("MonthsAcross"), QStringLiteral("lots"));
    EXPECT_EQ(helper.GetInt(QStringLiteral("MonthsAcross")), 0);
    Store(QStringLiteral("TextColor"), QStringLiteral("255"));
    EXPECT_EQ(helper.GetColour(QStringLiteral("TextColor")), Rgb(255, 0, 0));
}

TEST_F(SettingsTest, WritesAreDurableAtOnce) {
    helper.WriteBool(QStringLiteral("YearView"), true);
    helper.WriteColour(QStringLiteral("BackgroundColor"), Rgb(1, 2, 3));
    QSettings other(dir.SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(other.value(QStringLiteral("Settings/YearView")).toString(), QStringLiteral("True"));
    EXPECT_EQ(other.value(QStringLiteral("Settings/BackgroundColor")).toString(), QStringLiteral("197121"));
}

TEST_F(SettingsTest, TodayColourDefaultDiffersFromTextAndBackground) {
    Store(QStringLiteral("TextColor"), QString::number(Rgb(255, 0, 0)));
    Store(QStringLiteral("BackgroundColor"), QString::number(Rgb(255, 255, 255)));
    EXPECT_EQ(helper.GetColour(QStringLiteral("TodayTextColor")), Rgb(0, 0, 255));

    TempDir other;
    CSettingsStore store2(other.SettingsFile());
    CSettingsHelper helper2(store2, colours);
    store2.WriteText(QStringLiteral("Settings"), QStringLiteral("TextColor"), QString::number(Rgb(0, 0, 255)));
    store2.WriteText(QStringLiteral("Settings"), QStringLiteral("BackgroundColor"), QString::number(Rgb(255, 0, 0)));
    EXPECT_EQ(helper2.GetColour(QStringLiteral("TodayTextColor")), Rgb(0, 255, 0));
}

TEST_F(SettingsTest, PickDistinctColourFallsThroughToTheThird) {
    const std::array<ColourRef, 3> rbg{Rgb(255, 0, 0), Rgb(0, 0, 255), Rgb(0, 255, 0)};
    EXPECT_EQ(PickDistinctColour(Rgb(0, 255, 0), Rgb(255, 0, 0), rbg), Rgb(0, 0, 255));
    EXPECT_EQ(PickDistinctColour(Rgb(255, 0, 0), Rgb(0, 0, 255), rbg), Rgb(0, 255, 0));
    EXPECT_EQ(PickDistinctColour(Rgb(0, 0, 0), Rgb(255, 255, 255), rbg), Rgb(255, 0, 0));
}

TEST_F(SettingsTest, DefaultsFollowThePlatformColours) {
    colours.window = Rgb(40, 40, 40);
    colours.text = Rgb(230, 230, 230);
    EXPECT_EQ(helper.GetColour(QStringLiteral("BackgroundColor")), Rgb(40, 40, 40));
    EXPECT_EQ(helper.GetColour(QStringLiteral("MarqueeTextColor")), Rgb(230, 230, 230));
    EXPECT_EQ(helper.GetColour(QStringLiteral("DiaryEntryTextColor")), Rgb(255, 128, 128));
}

TEST_F(SettingsTest, HolidayBackgroundDefaultsToTheDiaryEntryBackground) {
    Store(QStringLiteral("DiaryEntryBackgroundColor"), QString::number(Rgb(10, 20, 30)));
    EXPECT_EQ(helper.GetColour(QStringLiteral("PublicHolidayBackgroundColor")), Rgb(10, 20, 30));
}

TEST_F(SettingsTest, EveryTableKeyHasADefault) {
    for (const SettingDefinition& definition : SettingsTable()) {
        if (definition.rule == DefaultRule::StartUp)
            continue;
        helper.GetSetting(QString::fromLatin1(definition.key));
        EXPECT_TRUE(store.Contains(QStringLiteral("Settings"), QString::fromLatin1(definition.key)))
            << definition.key;
    }
    EXPECT_EQ(Stored(QStringLiteral("MarqueeCheckFileUnits")), QStringLiteral("Hours"));
    EXPECT_EQ(Stored(QStringLiteral("FindDialogRect")), QStringLiteral("0000 0000 0000 0000"));
}

TEST_F(SettingsTest, OddTextSurvivesTheStore) {
    const QString odd = QStringLiteral("Hello, \"world\"; = [x] \u00e9\u4e16 ") + QString(5000, QLatin1Char('z'));
    helper.WriteSetting(QStringLiteral("MarqueeMess"), odd);
    CSettingsStore reopened(dir.SettingsFile());
    EXPECT_EQ(reopened.ReadText(QStringLiteral("Settings"), QStringLiteral("MarqueeMess")), odd);
}

TEST_F(SettingsTest, WindowSectionHoldsIntegers) {
    store.WriteInt(QStringLiteral("Window size"), QStringLiteral("max"), 1);
    EXPECT_EQ(store.ReadInt(QStringLiteral("Window size"), QStringLiteral("max"), 0), 1);
    EXPECT_EQ(store.ReadInt(QStringLiteral("Window size"), QStringLiteral("icon"), 0), 0);
}

TEST_F(SettingsTest, BuiltInsAnswerOnlyTheirFiveKeys) {
    EXPECT_FALSE(CSettingsHelper::GetBuiltIn(QStringLiteral("sponsor")).isEmpty());
    EXPECT_FALSE(CSettingsHelper::GetBuiltIn(QStringLiteral("phone")).isEmpty());
    EXPECT_TRUE(CSettingsHelper::GetBuiltIn(QStringLiteral("Sponsor")).isEmpty());
    EXPECT_TRUE(CSettingsHelper::GetBuiltIn(QStringLiteral("other")).isEmpty());
}
