#include <gtest/gtest.h>

#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/TempDir.h"
#include "view/core/ViewSettings.h"

namespace {
class ViewSettingsTest : public ::testing::Test {
protected:
    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    CDefaultSystemColours colours;
    CSettingsHelper settings{store, colours};

    void Put(const char* key, const char* value) {
        store.WriteText(CSettingsStore::kSettingsSection, QString::fromLatin1(key),
                        QString::fromLatin1(value));
    }
    QString Stored(const char* key) const {
        return store.ReadText(CSettingsStore::kSettingsSection, QString::fromLatin1(key));
    }
};
}  // namespace

TEST_F(ViewSettingsTest, FirstLoadWritesEveryKeyFromOnTopToMarqueeBackground) {
    const ViewSettings view = LoadViewSettings(settings);
    bool inRange = false;
    for (const SettingDefinition& definition : SettingsTable()) {
        if (QLatin1String(definition.key) == QLatin1String(Key::OnTop))
            inRange = true;
        if (inRange) {
            EXPECT_TRUE(store.Contains(CSettingsStore::kSettingsSection,
                                       QString::fromLatin1(definition.key)))
                << definition.key;
        }
        if (QLatin1String(definition.key) == QLatin1String(Key::MarqueeBackgroundColor))
            inRange = false;
    }
    EXPECT_EQ(Stored(Key::Menu), QStringLiteral("False"));
    EXPECT_TRUE(view.noMenu);
    EXPECT_FALSE(view.onTop);
    EXPECT_FALSE(view.yearView);
    EXPECT_EQ(view.grid.across, 3);
    EXPECT_EQ(view.grid.down, 4);
    EXPECT_TRUE(view.marquee.on);
    EXPECT_EQ(view.marquee.secs, 25);
    EXPECT_EQ(view.font.face, QStringLiteral("Verdana"));
    EXPECT_EQ(view.font.height, -11);
    EXPECT_TRUE(view.stretchWidth);
    EXPECT_FALSE(view.showPicture);
}

TEST_F(ViewSettingsTest, ColourDefaultsFollowTheColoursJustLoaded) {
    Put(Key::TextColor, "255");  // red text: today's default must not be red too
    const ViewColours c = LoadViewSettings(settings).colours;
    EXPECT_EQ(c.text, Rgb(255, 0, 0));
    EXPECT_EQ(c.background, Rgb(255, 255, 255));
    EXPECT_EQ(c.todayText, Rgb(0, 0, 255));
    EXPECT_EQ(c.entryText, Rgb(255, 128, 128));
    EXPECT_EQ(c.holidayBackground, c.entryBackground);
}

TEST_F(ViewSettingsTest, YearGridCountsAreCorrectedButStoredAsTyped) {
    Put(Key::MonthsAcross, "0");
    Put(Key::MonthsDown, "5");
    YearGridShape grid = LoadViewSettings(settings).grid;
    // 0 becomes 3; 3 x 5 is then 15 months, more than a year, so 3 x 4.
    EXPECT_EQ(grid.across, 3);
    EXPECT_EQ(grid.down, 4);
    Put(Key::MonthsAcross, "-2");
    Put(Key::MonthsDown, "3");
    grid = LoadViewSettings(settings).grid;
    EXPECT_EQ(grid.across, 3);
    EXPECT_EQ(grid.down, 3);

    Put(Key::MonthsAcross, "5");
    Put(Key::MonthsDown, "5");
    grid = LoadViewSettings(settings).grid;
    EXPECT_EQ(grid.across, 3);
    EXPECT_EQ(grid.down, 4);
    EXPECT_EQ(Stored(Key::MonthsAcross), QStringLiteral("5"));
    EXPECT_EQ(Stored(Key::MonthsDown), QStringLiteral("5"));
}

TEST(CorrectYearGrid, HugeAndNegativeCountsNeitherOverflowNorPassThrough) {
    const YearGridShape huge = CorrectYearGrid(2147483647, 2147483647);
    EXPECT_EQ(huge.across, 3);
    EXPECT_EQ(huge.down, 4);
    const YearGridShape negative = CorrectYearGrid(-4, -1);
    EXPECT_EQ(negative.across, 3);
    EXPECT_EQ(negative.down, 4);
    const YearGridShape row = CorrectYearGrid(12, 1);
    EXPECT_EQ(row.across, 12);
    EXPECT_EQ(row.down, 1);
}

TEST_F(ViewSettingsTest, ModesAndLongFaceNames) {
    Put(Key::Menu, "True");
    Put(Key::OnTop, "True");
    Put(Key::YearView, "True");
    Put(Key::Font, "An Extraordinarily Long Typeface Name Beyond Limits");
    const ViewSettings view = LoadViewSettings(settings);
    EXPECT_FALSE(view.noMenu);
    EXPECT_TRUE(view.onTop);
    EXPECT_TRUE(view.yearView);
    EXPECT_EQ(view.font.face.size(), kMaxFontFaceLength);
    EXPECT_EQ(view.font.face, QStringLiteral("An Extraordinarily Long Typefac"));
}
