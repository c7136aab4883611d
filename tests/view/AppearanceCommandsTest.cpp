// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "settings/SettingsKeys.h"
#include "support/FakePrompts.h"
#include "support/RowName.h"
#include "support/SettingsFixture.h"
#include "view/core/ColourCommands.h"
#include "view/core/FontCommand.h"

namespace {
class AppearanceCommandsTest : public SettingsFixture {
protected:
    bool RunColour(int id, std::optional<ColourRef> answer) {
        prompts.colourAnswers = {answer};
        return RunColourCommand(*FindColourCommand(id), viewColours, prompts, settings);
    }

    FakePrompts prompts;
    ViewColours viewColours;
    FontSpec font{QStringLiteral("DejaVu Sans"), -14};
};

TEST_F(AppearanceCommandsTest, TextColourKeepsStoredPairsAndWorksOutMissingOnes) {
    Put(Key::TodayTextColor, QString::number(Rgb(255, 0, 0)));
    ASSERT_TRUE(RunColour(CommandId::TextColour, Rgb(255, 0, 0)));
    EXPECT_EQ(viewColours.todayText, Rgb(255, 0, 0)) << "stored, though it now equals the text";
    EXPECT_EQ(Stored(Key::DiaryEntryTextColor), QString::number(Rgb(255, 128, 128)));
    Put(Key::TodayTextColor, QString());
    ASSERT_TRUE(RunColour(CommandId::TextColour, Rgb(255, 0, 0)));
    EXPECT_EQ(viewColours.todayText, Rgb(0, 0, 255));
    Put(Key::TodayTextColor, QString());
    ASSERT_TRUE(RunColour(CommandId::BackgroundColour, Rgb(9, 9, 9)));
    EXPECT_TRUE(Stored(Key::TodayTextColor).isEmpty()) << "other colours leave the pairs alone";
}

// Offered the view's face, size and text colour; on OK the face is cut to 31
// characters, a size of 0 keeps the old one, and the today colour is worked
// out from the new text colour (red differs from blue).
TEST_F(AppearanceCommandsTest, FontCommandStartsFromTheViewsFontAndStoresOnlyOnOk) {
    viewColours.text = Rgb(0, 0, 128);
    prompts.fontAnswers = {
        std::nullopt, FontChoice{"A Very Long Font Family Name That Goes On", 0, Rgb(0, 0, 255)}};
    const auto stored = [this] {
        return QStringList{Stored(Key::Font), Stored(Key::FontSize), Stored(Key::TextColor),
                           Stored(Key::TodayTextColor), QString::number(font.face.size())}
            .join('|');
    };
    EXPECT_FALSE(RunFontCommand(font, viewColours, prompts, settings));
    EXPECT_EQ(stored(), "||||11") << "cancelled";
    ASSERT_TRUE(RunFontCommand(font, viewColours, prompts, settings));
    EXPECT_EQ(stored(), "A Very Long Font Family Name Th|-14|16711680|255|31");
    const FontChoice offered = prompts.fontRequests.value(0);
    EXPECT_TRUE(offered.face == "DejaVu Sans" && offered.height == -14 &&
                offered.colour == Rgb(0, 0, 128));
}

// Each colour command and the key it writes: nothing on cancel, the colour on OK.
struct ColourRow {
    const char* name;
    int id;
    Key key;
};

const ColourRow kColourRows[] = {
    {"Text", CommandId::TextColour, Key::TextColor},
    {"Background", CommandId::BackgroundColour, Key::BackgroundColor},
    {"TodayText", CommandId::TodayTextColour, Key::TodayTextColor},
    {"TodayBackground", CommandId::TodayBackgroundColour, Key::TodayBackgroundColor},
    {"EntryText", CommandId::DiaryEntryTextColour, Key::DiaryEntryTextColor},
    {"EntryBackground", CommandId::DiaryEntryBackgroundColour, Key::DiaryEntryBackgroundColor},
    {"HolidayText", CommandId::PublicHolidayTextColour, Key::PublicHolidayTextColor},
    {"HolidayBackground", CommandId::PublicHolidayBackgroundColour,
     Key::PublicHolidayBackgroundColor}};

class ColourCommandRows : public AppearanceCommandsTest,
                          public ::testing::WithParamInterface<ColourRow> {};

TEST_P(ColourCommandRows, WriteTheirKeyOnlyOnOk) {
    EXPECT_FALSE(RunColour(GetParam().id, std::nullopt));
    EXPECT_TRUE(Stored(GetParam().key).isEmpty());
    ASSERT_TRUE(RunColour(GetParam().id, Rgb(12, 34, 56)));
    EXPECT_EQ(Stored(GetParam().key), QString::number(Rgb(12, 34, 56)));
}

INSTANTIATE_TEST_SUITE_P(AppearanceCommands, ColourCommandRows, ::testing::ValuesIn(kColourRows),
                         RowName());
}  // namespace
