// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSettings>

#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "support/Golden.h"
#include "support/SettingsFixture.h"

namespace {
using SettingsTest = SettingsFixture;

// Every key's default, as the first start writes them back: the one place the
// defaults of the settings table are checked.
TEST_F(SettingsTest, FirstStartWritesTheDefaultOfEveryKey) {
    QString written;
    for (const SettingDefinition& definition : SettingsTable()) {
        if (definition.rule == DefaultRule::StartUp)
            continue;
        settings.GetSetting(definition.key);
        written +=
            KeyName(definition.key) + QLatin1Char('=') + Stored(definition.key) + QLatin1Char('\n');
    }
    EXPECT_EQ(written, GoldenText(QStringLiteral("default-settings.txt")));
}

TEST_F(SettingsTest, MissingAndEmptyValuesAreWrittenBackOnlyWhenAsked) {
    Put(Key::Font, QString());
    EXPECT_EQ(settings.GetSetting(Key::Font), QStringLiteral("Verdana"));
    EXPECT_EQ(Stored(Key::Font), QStringLiteral("Verdana"));
    EXPECT_EQ(settings.GetSetting(Key::OnTop, QStringLiteral("x"), false), QStringLiteral("x"));
    EXPECT_FALSE(store.Contains(QStringLiteral("Settings"), KeyName(Key::OnTop)));
    // Written values are in the file at once, for any other reader.
    settings.WriteColour(Key::BackgroundColor, Rgb(1, 2, 3));
    EXPECT_EQ(QSettings(dir.SettingsFile(), QSettings::IniFormat).value("Settings/BackgroundColor"),
              QStringLiteral("197121"));
}

TEST_F(SettingsTest, StoredTextsReadWithTheirEncodings) {
    for (const char* yes : {"True", "TRUE", "true", "tRuE"})
        EXPECT_TRUE(CSettingsHelper::TextToBool(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"False", "Yes", "1", "", " True", "Truex"})
        EXPECT_FALSE(CSettingsHelper::TextToBool(QString::fromLatin1(no))) << no;
    Put(Key::MonthsAcross, QStringLiteral("lots"));
    EXPECT_EQ(settings.GetInt(Key::MonthsAcross), 0);
    Put(Key::TextColor, QStringLiteral("255"));
    EXPECT_EQ(settings.GetColour(Key::TextColor), Rgb(255, 0, 0));
}

// The today, diary-entry and holiday text colours default to the first of
// three that differs from both the text and the background colour.
TEST_F(SettingsTest, DistinctColourDefaultsAvoidTextAndBackground) {
    const std::array<ColourRef, 3> rbg{Rgb(255, 0, 0), Rgb(0, 0, 255), Rgb(0, 255, 0)};
    EXPECT_EQ(PickDistinctColour(Rgb(0, 255, 0), Rgb(255, 0, 0), rbg), Rgb(0, 0, 255));
    EXPECT_EQ(PickDistinctColour(Rgb(255, 0, 0), Rgb(0, 0, 255), rbg), Rgb(0, 255, 0));
    Put(Key::TextColor, QString::number(Rgb(255, 0, 0)));
    Put(Key::DiaryEntryBackgroundColor, QString::number(Rgb(10, 20, 30)));
    EXPECT_EQ(settings.GetColour(Key::TodayTextColor), Rgb(0, 0, 255));
    EXPECT_EQ(settings.GetColour(Key::PublicHolidayBackgroundColor), Rgb(10, 20, 30));
}

TEST(BuiltIns, AnswerOnlyTheirKeys) {
    EXPECT_FALSE(CSettingsHelper::GetBuiltIn(QStringLiteral("sponsor")).isEmpty());
    EXPECT_TRUE(CSettingsHelper::GetBuiltIn(QStringLiteral("Sponsor")).isEmpty());
}
}  // namespace
