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
    bool RunColour(int id, ColourRef answer) {
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
    EXPECT_EQ(Stored(Key::TodayTextColor), QString::number(Rgb(0, 0, 255)));
    Put(Key::TodayTextColor, QString());
    ASSERT_TRUE(RunColour(CommandId::BackgroundColour, Rgb(9, 9, 9)));
    EXPECT_TRUE(Stored(Key::TodayTextColor).isEmpty()) << "other colours leave the pairs alone";
}

TEST_F(AppearanceCommandsTest, FontCommandStartsFromTheViewsFontAndStoresOnlyOnOk) {
    viewColours.text = Rgb(0, 0, 128);
    prompts.fontAnswers = {
        std::nullopt, FontChoice{"A Very Long Font Family Name That Goes On", 0, Rgb(0, 0, 255)}};
    EXPECT_FALSE(RunFontCommand(font, viewColours, prompts, settings));
    ASSERT_EQ(prompts.fontRequests.size(), 1);
    EXPECT_EQ(prompts.fontRequests[0].face, "DejaVu Sans");
    EXPECT_EQ(prompts.fontRequests[0].height, -14);
    EXPECT_EQ(prompts.fontRequests[0].colour, Rgb(0, 0, 128));
    EXPECT_TRUE(Stored(Key::Font).isEmpty() && Stored(Key::TextColor).isEmpty());

    ASSERT_TRUE(RunFontCommand(font, viewColours, prompts, settings));
    EXPECT_EQ(Stored(Key::Font), "A Very Long Font Family Name Th") << "cut to 31 characters";
    EXPECT_EQ(font.face.size(), 31);
    EXPECT_EQ(Stored(Key::FontSize), "-14") << "a size of 0 keeps the old one";
    EXPECT_EQ(Stored(Key::TextColor), QString::number(Rgb(0, 0, 255)));
    // The today colour is worked out from the new text colour: red differs from blue.
    EXPECT_EQ(Stored(Key::TodayTextColor), QString::number(Rgb(255, 0, 0)));
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
    prompts.colourAnswers = {std::nullopt};
    EXPECT_FALSE(
        RunColourCommand(*FindColourCommand(GetParam().id), viewColours, prompts, settings));
    EXPECT_TRUE(Stored(GetParam().key).isEmpty());
    ASSERT_TRUE(RunColour(GetParam().id, Rgb(12, 34, 56)));
    EXPECT_EQ(Stored(GetParam().key), QString::number(Rgb(12, 34, 56)));
}

INSTANTIATE_TEST_SUITE_P(AppearanceCommands, ColourCommandRows, ::testing::ValuesIn(kColourRows),
                         RowName());
}  // namespace
