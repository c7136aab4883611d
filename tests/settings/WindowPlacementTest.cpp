#include <gtest/gtest.h>

#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "settings/WindowPlacement.h"
#include "support/TempDir.h"

namespace {
const QString kSection = QString::fromLatin1(CSettingsStore::kWindowSection);

class WindowPlacementTest : public ::testing::Test {
protected:
    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    int Stored(const char* key) { return store.ReadInt(kSection, QString::fromLatin1(key), -1); }
};
}  // namespace

TEST_F(WindowPlacementTest, NothingStoredOpensNormalAtTheDefaultRectangle) {
    const WindowPlacement p = LoadWindowPlacement(store);
    EXPECT_EQ(p.state, ShowState::Normal);
    EXPECT_EQ(p.normalRect.left, 10);
    EXPECT_EQ(p.normalRect.top, 10);
    EXPECT_EQ(p.normalRect.right - p.normalRect.left, 490);
    EXPECT_EQ(p.normalRect.bottom - p.normalRect.top, 390);
}

TEST_F(WindowPlacementTest, ShowStatesMapToIconAndMax) {
    SaveWindowPlacement(store, {{5, 20, 600, 480}, ShowState::Normal, false});
    EXPECT_EQ(store.ReadText(kSection, QString::fromLatin1(WindowKey::Rect)),
              QStringLiteral("0005 0020 0600 0480"));
    EXPECT_EQ(Stored(WindowKey::Icon), 0);
    EXPECT_EQ(Stored(WindowKey::Max), 0);

    SaveWindowPlacement(store, {{5, 20, 600, 480}, ShowState::Maximized, false});
    EXPECT_EQ(Stored(WindowKey::Icon), 0);
    EXPECT_EQ(Stored(WindowKey::Max), 1);

    SaveWindowPlacement(store, {{5, 20, 600, 480}, ShowState::Minimized, true});
    EXPECT_EQ(Stored(WindowKey::Icon), 1);
    EXPECT_EQ(Stored(WindowKey::Max), 1);

    SaveWindowPlacement(store, {{5, 20, 600, 480}, ShowState::Minimized, false});
    EXPECT_EQ(Stored(WindowKey::Max), 0);
}

TEST_F(WindowPlacementTest, RoundTripKeepsStateAndNegativeCorners) {
    SaveWindowPlacement(store, {{-8, -8, 1000, 700}, ShowState::Maximized, false});
    WindowPlacement p = LoadWindowPlacement(store);
    EXPECT_EQ(p.state, ShowState::Maximized);
    EXPECT_EQ(p.normalRect.left, -8);
    EXPECT_EQ(p.normalRect.top, -8);
    EXPECT_EQ(p.normalRect.right, 1000);

    SaveWindowPlacement(store, {{1, 2, 3, 4}, ShowState::Minimized, true});
    p = LoadWindowPlacement(store);
    EXPECT_EQ(p.state, ShowState::Minimized);
    EXPECT_TRUE(p.restoreToMaximized);
}
