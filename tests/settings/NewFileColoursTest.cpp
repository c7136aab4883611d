// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "colour/ColourContrast.h"
#include "platform/SystemColours.h"
#include "settings/NewFileColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsStore.h"
#include "support/RowName.h"
#include "support/TempDir.h"

namespace {
class DesktopColours : public ISystemColours {
public:
    DesktopColours(ColourRef window, ColourRef text) : m_window(window), m_text(text) {}
    ColourRef WindowColour() const override { return m_window; }
    ColourRef WindowTextColour() const override { return m_text; }

private:
    ColourRef m_window;
    ColourRef m_text;
};

// A first start on a light and on a dark desktop: each text colour's
// default against the default background.
struct DefaultRow {
    const char* name;
    Key key;
    ColourRef window, text;
};

class NewFileDefault : public ::testing::TestWithParam<DefaultRow> {};

TEST_P(NewFileDefault, ReadsAtFourAndAHalfToOne) {
    const DefaultRow& r = GetParam();
    TempDir dir;
    CSettingsStore store(dir.SettingsFile());
    const DesktopColours desktop(r.window, r.text);
    const CSettingsHelper settings(store, desktop);
    WriteNewFileColours(settings);
    const double ratio =
        ContrastRatio(settings.GetColour(r.key), settings.GetColour(Key::BackgroundColor));
    EXPECT_GE(ratio, kReadableContrast);
}

constexpr ColourRef kWhite = Rgb(255, 255, 255);
constexpr ColourRef kBlack = Rgb(0, 0, 0);
constexpr ColourRef kDarkGrey = Rgb(45, 45, 45);
constexpr ColourRef kPaleGrey = Rgb(230, 230, 230);
INSTANTIATE_TEST_SUITE_P(
    NewFileColours, NewFileDefault,
    ::testing::Values(
        DefaultRow{"Text", Key::TextColor, kWhite, kBlack},
        DefaultRow{"Today", Key::TodayTextColor, kWhite, kBlack},
        DefaultRow{"DiaryEntry", Key::DiaryEntryTextColor, kWhite, kBlack},
        DefaultRow{"PublicHoliday", Key::PublicHolidayTextColor, kWhite, kBlack},
        DefaultRow{"Marquee", Key::MarqueeTextColor, kWhite, kBlack},
        DefaultRow{"TodayOnDark", Key::TodayTextColor, kDarkGrey, kPaleGrey},
        DefaultRow{"DiaryEntryOnDark", Key::DiaryEntryTextColor, kDarkGrey, kPaleGrey},
        DefaultRow{"PublicHolidayOnDark", Key::PublicHolidayTextColor, kDarkGrey, kPaleGrey}),
    RowName());

// A file from before keeps its bytes and its defaults: the holiday colour
// stays #00FFFF, 1.25:1 on white.
TEST(NewFileColours, LeaveAnExistingFileAsItWas) {
    TempDir dir;
    const QString path = dir.Write(QStringLiteral("Calendar.ini"), "[Settings]\nFont=Arial\n");
    CSettingsStore store(path);
    const CDefaultSystemColours desktop;
    const CSettingsHelper settings(store, desktop);
    WriteNewFileColours(settings);
    EXPECT_EQ(TempDir::Read(path), "[Settings]\nFont=Arial\n");
    const ColourRef holiday = settings.GetColour(Key::PublicHolidayTextColor, false);
    EXPECT_EQ(holiday, Rgb(0, 255, 255));
    EXPECT_NEAR(ContrastRatio(holiday, kWhite), 1.25, 0.005);
}
}  // namespace
