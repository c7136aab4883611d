// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLocale>
#include <QSettings>

#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/WeekStart.h"
#include "support/FullDisk.h"
#include "support/Golden.h"
#include "support/RowName.h"
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

// Missing and empty values are written back only when asked; written values
// are in the file at once, for any other reader; stored texts read with their
// encodings; built-in constants answer only their own keys; some colours
// default to one that stands out.
TEST_F(SettingsTest, ValuesAreWrittenBackOnlyWhenAskedReadWithTheirEncodingsAndColoursStandOut) {
    Put(Key::Font, QString());
    EXPECT_EQ(settings.GetSetting(Key::Font), QStringLiteral("Verdana"));
    EXPECT_EQ(Stored(Key::Font), QStringLiteral("Verdana"));
    EXPECT_EQ(settings.GetSetting(Key::OnTop, QStringLiteral("x"), false), QStringLiteral("x"));
    EXPECT_FALSE(store.Contains(QStringLiteral("Settings"), KeyName(Key::OnTop)));
    settings.WriteColour(Key::BackgroundColor, Rgb(1, 2, 3));
    EXPECT_EQ(QSettings(dir.SettingsFile(), QSettings::IniFormat).value("Settings/BackgroundColor"),
              QStringLiteral("197121"));
    for (const char* yes : {"True", "TRUE", "true", "tRuE"})
        EXPECT_TRUE(CSettingsHelper::TextToBool(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"False", "Yes", "1", "", " True", "Truex"})
        EXPECT_FALSE(CSettingsHelper::TextToBool(QString::fromLatin1(no))) << no;
    Put(Key::MonthsAcross, QStringLiteral("lots"));
    EXPECT_EQ(settings.GetInt(Key::MonthsAcross), 0);
    Put(Key::TextColor, QStringLiteral("255"));
    EXPECT_EQ(settings.GetColour(Key::TextColor), Rgb(255, 0, 0));
    EXPECT_FALSE(CSettingsHelper::GetBuiltIn(QStringLiteral("sponsor")).isEmpty());
    EXPECT_TRUE(CSettingsHelper::GetBuiltIn(QStringLiteral("Sponsor")).isEmpty());
    // The today, diary-entry and holiday text colours default to the first of
    // three that differs from both the text and the background colour.
    const std::array<ColourRef, 3> rbg{Rgb(255, 0, 0), Rgb(0, 0, 255), Rgb(0, 255, 0)};
    EXPECT_EQ(PickDistinctColour(Rgb(0, 255, 0), Rgb(255, 0, 0), rbg), Rgb(0, 0, 255));
    EXPECT_EQ(PickDistinctColour(Rgb(255, 0, 0), Rgb(0, 0, 255), rbg), Rgb(0, 255, 0));
    // The text colour is red from above.
    Put(Key::DiaryEntryBackgroundColor, QString::number(Rgb(10, 20, 30)));
    EXPECT_EQ(settings.GetColour(Key::TodayTextColor), Rgb(0, 0, 255));
    EXPECT_EQ(settings.GetColour(Key::PublicHolidayBackgroundColor), Rgb(10, 20, 30));
}

// A hand-edited settings file, the value one key then reads, and the line
// the store reports (0: none).
struct HandEditedRow {
    const char* name;
    QByteArray file;
    const char* key;
    QString expected;
    int problemLine;
};

class HandEditedTest : public ::testing::TestWithParam<HandEditedRow> {};

TEST_P(HandEditedTest, ReadsEachLineOnItsOwnAndNeverOverwritesAFaultyFile) {
    TempDir dir;
    CSettingsStore store(dir.Write("Calendar.ini", GetParam().file));
    EXPECT_EQ(store.ReadText("Settings", GetParam().key), GetParam().expected);
    if (GetParam().problemLine == 0) {
        EXPECT_EQ(store.FormatProblem(), QString());
        return;
    }
    EXPECT_TRUE(
        store.FormatProblem().contains(QStringLiteral("Line %1 ").arg(GetParam().problemLine)))
        << store.FormatProblem().toStdString();
    EXPECT_TRUE(store.FormatProblem().contains(dir.SettingsFile()));
    CDefaultSystemColours colours;
    CSettingsHelper helper(store, colours);
    EXPECT_EQ(helper.GetSetting(Key::Font), "Verdana") << "the default, in memory";
    EXPECT_EQ(TempDir::Read(dir.SettingsFile()), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HandEditedTest,
    ::testing::Values(
        HandEditedRow{"UnclosedQuote", "[Settings]\nFont=\"Unclosed\nDiaryName=/home/u/good.db\n",
                      "DiaryName", "/home/u/good.db", 2},
        HandEditedRow{"NoEquals", "[Settings]\r\ngarbage\r\nMenu=\tTrue\r\n", "Menu", "True", 2},
        HandEditedRow{"Punctuation", "[Settings]\nMarqueeMess=Sale; today, only\n", "MarqueeMess",
                      "Sale; today, only", 0},
        HandEditedRow{"ByteOrderMark", "\xEF\xBB\xBF[Settings]\nMenu=True\n", "Menu", "True", 0},
        HandEditedRow{"HugeFont", "[Settings]\nFontSize=99999999999999999999\n", "FontSize",
                      "99999999999999999999", 2},
        HandEditedRow{"Backslashes", "[Settings]\nMarqueeFileName=C:\\marq\\lines.txt \t\n",
                      "MarqueeFileName", "C:\\marq\\lines.txt", 0}),
    RowName());

// Files written by Qt's own INI writer read back the same, and the other way.
class WrittenFormTest : public ::testing::TestWithParam<QString> {};

TEST_P(WrittenFormTest, ReadsBackTheSameBothWays) {
    TempDir dir;
    {
        QSettings qt(dir.SettingsFile(), QSettings::IniFormat);
        qt.setValue("Settings/MarqueeMess", GetParam());
        qt.setValue("Window size/max", 1);
    }
    CSettingsStore store(dir.SettingsFile());
    EXPECT_EQ(store.ReadText("Settings", "MarqueeMess"), GetParam());
    EXPECT_EQ(store.ReadInt("Window size", "max", 0), 1);
    store.WriteText("Settings", "Font", GetParam());
    EXPECT_EQ(QSettings(dir.SettingsFile(), QSettings::IniFormat).value("Settings/Font").toString(),
              GetParam());
}

INSTANTIATE_TEST_SUITE_P(Values, WrittenFormTest,
                         ::testing::Values("plain", "a, b", "C:\\marq", "say \"hi\"", "x; y=z",
                                           " padded ", "two\nlines\ttab",
                                           "\x01"
                                           "5f",
                                           "caf\u00e9 \u4e16 \U0001F600", "@home", ""),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             return "Value" + std::to_string(info.index);
                         });

// A batch reaches the file in one write; on a full disk a write fails, says
// so once, and keeps the old file and the new value in memory.
TEST(SettingsSaveTest, ABatchIsOneWriteAndAFailedWriteIsToldOnce) {
    TempDir dir;
    const FullDisk disk(dir.File("full"));
    if (!disk.mounted)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QString path = dir.File("full/Calendar.ini");
    CSettingsStore store(path);
    store.BeginBatch();
    store.WriteText("Settings", "Font", "Arial");
    store.WriteText("Settings", "Menu", "True");
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(store.EndBatch());
    const QByteArray before = TempDir::Read(path);
    EXPECT_EQ(before, "[Settings]\nFont=Arial\nMenu=True\n");
    disk.Fill();
    QStringList told;
    store.OnFirstSaveFailure([&](const QString& why) { told << why; });
    EXPECT_FALSE(store.WriteText("Settings", "Font", "Verdana"));
    EXPECT_FALSE(store.WriteText("Settings", "Menu", "False"));
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(path) && told[0].contains("No space left on device"))
        << told[0].toStdString();
    EXPECT_EQ(TempDir::Read(path), before);
    EXPECT_EQ(store.ReadText("Settings", "Font"), "Verdana");
}

struct WeekStartRow {
    const char *name, *stored, *locale;
    int firstWeekday;   // 0 Sunday .. 6 Saturday
    const char* saved;  // the text the choice is stored as again
};
class WeekStartRows : public ::testing::TestWithParam<WeekStartRow> {};

TEST_P(WeekStartRows, GiveTheFirstWeekdayAndStoreTheChoiceAgain) {
    const WeekStartRow& r = GetParam();
    const WeekStartChoice choice = WeekStartFromText(QString::fromLatin1(r.stored));
    EXPECT_EQ(FirstWeekday(choice, QLocale(QString::fromLatin1(r.locale))), r.firstWeekday);
    EXPECT_EQ(WeekStartText(choice), QString::fromLatin1(r.saved));
}

// The fixed days ignore the locale; an unknown (or empty) text keeps the
// page Sunday first; the locale's own day may be neither Sunday nor Monday.
INSTANTIATE_TEST_SUITE_P(WeekStart, WeekStartRows,
                         ::testing::Values(WeekStartRow{"Sunday", "Sunday", "de_DE", 0, "Sunday"},
                                           WeekStartRow{"Monday", "Monday", "en_US", 1, "Monday"},
                                           WeekStartRow{"German", "Locale", "de_DE", 1, "Locale"},
                                           WeekStartRow{"American", "Locale", "en_US", 0, "Locale"},
                                           WeekStartRow{"Egyptian", "Locale", "ar_EG", 6, "Locale"},
                                           WeekStartRow{"Unknown", "monday", "de_DE", 0, "Sunday"}),
                         RowName());
}  // namespace
