// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "settings/WindowPlacement.h"
#include "support/RowName.h"
#include "support/TempDir.h"

namespace {
const QString kSection = QString::fromLatin1(CSettingsStore::kWindowSection);

TEST(WindowPlacement, StatesMapToIconAndMaxAndReadBack) {
    TempDir dir;
    CSettingsStore store(dir.SettingsFile());
    WindowPlacement p = LoadWindowPlacement(store);
    EXPECT_EQ(p.state, ShowState::Normal);
    EXPECT_TRUE(p.normalRect.left == 10 && p.normalRect.top == 10 && p.normalRect.right == 500 &&
                p.normalRect.bottom == 400);
    // state, restore-to-maximized: the stored icon and max
    const std::tuple<ShowState, bool, int, int> cases[] = {{ShowState::Normal, false, 0, 0},
                                                           {ShowState::Maximized, false, 0, 1},
                                                           {ShowState::Minimized, true, 1, 1},
                                                           {ShowState::Minimized, false, 1, 0}};
    for (const auto& [state, restore, icon, max] : cases) {
        SaveWindowPlacement(store, {{-8, 20, 600, 480}, state, restore});
        EXPECT_EQ(store.ReadInt(kSection, WindowKey::Icon, -1), icon);
        EXPECT_EQ(store.ReadInt(kSection, WindowKey::Max, -1), max);
        p = LoadWindowPlacement(store);
        EXPECT_EQ(p.state, state);
        EXPECT_EQ(p.restoreToMaximized, max == 1);
        EXPECT_EQ(p.normalRect.left, -8);
    }
}
}  // namespace

struct FitRow {
    const char* name;
    RectValues saved;
    RectValues expected;
};

class FitOnScreenTest : public ::testing::TestWithParam<FitRow> {};

// The available area of a 1920 x 1080 screen at scale factor 2, in device-independent pixels.
TEST_P(FitOnScreenTest, Fits) {
    const RectValues fitted = FitOnScreen(GetParam().saved, {0, 0, 960, 540});
    const RectValues& e = GetParam().expected;
    EXPECT_TRUE(fitted.left == e.left && fitted.top == e.top && fitted.right == e.right &&
                fitted.bottom == e.bottom)
        << fitted.left << ',' << fitted.top << ',' << fitted.right << ',' << fitted.bottom;
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FitOnScreenTest,
    ::testing::Values(FitRow{"FitsAsItIs", {10, 10, 500, 400}, {10, 10, 500, 400}},
                      FitRow{"TwiceTheScreenShrinks", {100, 50, 1300, 950}, {0, 0, 960, 540}},
                      FitRow{"HangingOffMovesBack", {800, -30, 1100, 270}, {660, 0, 960, 300}},
                      FitRow{"OffTheLeftMovesOn", {-400, 100, 100, 300}, {0, 100, 500, 300}}),
    RowName());
