// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "settings/SettingsKeys.h"
#include "support/SettingsFixture.h"
#include "view/core/ViewSettings.h"

namespace {
using ViewSettingsTest = SettingsFixture;

// The first load writes every key it reads and starts without menu; later
// loads take the stored modes, a long face name is cut, and the year grid's
// counts are corrected but stored as typed.
TEST_F(ViewSettingsTest, FirstLoadWritesEveryKeyItReadsAndLaterOnesTakeTheModes) {
    EXPECT_TRUE(LoadViewSettings(settings).noMenu);
    for (Key key : {Key::OnTop, Key::MonthsDown, Key::MarqueeFileName, Key::FontSize,
                    Key::PublicHolidayBackgroundColor, Key::MarqueeBackgroundColor})
        EXPECT_TRUE(store.Contains(CSettingsStore::kSettingsSection, KeyName(key)))
            << DefinitionOf(key).name;
    Put(Key::Menu, "True");
    Put(Key::OnTop, "True");
    Put(Key::YearView, "True");
    Put(Key::Font, "An Extraordinarily Long Typeface Name Beyond Limits");
    const ViewSettings view = LoadViewSettings(settings);
    EXPECT_TRUE(!view.noMenu && view.onTop && view.yearView);
    EXPECT_EQ(view.font.face, QStringLiteral("An Extraordinarily Long Typefac"));
    // across, down: the grid used
    const std::tuple<const char*, const char*, int, int> cases[] = {
        {"0", "5", 3, 4},
        {"-2", "3", 3, 3},
        {"5", "5", 3, 4},
        {"12", "1", 12, 1},
        {"2147483647", "2147483647", 3, 4}};
    for (const auto& [across, down, usedAcross, usedDown] : cases) {
        Put(Key::MonthsAcross, across);
        Put(Key::MonthsDown, down);
        const YearGridShape grid = LoadViewSettings(settings).grid;
        EXPECT_TRUE(grid.across == usedAcross && grid.down == usedDown) << across << " by " << down;
        EXPECT_EQ(Stored(Key::MonthsAcross), across);
    }
    EXPECT_EQ(CorrectYearGrid(-4, -1).across, 3);
}
}  // namespace
