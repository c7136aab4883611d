#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/FakePrompts.h"
#include "support/TempDir.h"
#include "view/core/ColourCommands.h"
#include "view/core/FontCommand.h"

namespace {
class AppearanceCommandsTest : public ::testing::Test {
protected:
    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    CDefaultSystemColours systemColours;
    CSettingsHelper settings{store, systemColours};
    FakePrompts prompts;
    ViewColours colours;
    FontSpec font{QStringLiteral("DejaVu Sans"), -14};

    QString Stored(const char* key) { return store.ReadText(QStringLiteral("Settings"), key); }
    void Store(const char* key, const QString& value) {
        store.WriteText(QStringLiteral("Settings"), key, value);
    }
};
}  // namespace

TEST_F(AppearanceCommandsTest, TextColourKeepsStoredPairsAndRecomputesMissingOnes) {
    Store(Key::TodayTextColor, QString::number(Rgb(255, 0, 0)));
    prompts.colourAnswers = {Rgb(255, 0, 0)};
    ASSERT_TRUE(
        RunColourCommand(*FindColourCommand(CommandId::TextColour), colours, prompts, settings));
    // A stored today colour stays even though it now equals the text colour.
    EXPECT_EQ(colours.todayText, Rgb(255, 0, 0));
    // A missing one is worked out from the new text colour and written back.
    EXPECT_EQ(colours.entryText, Rgb(255, 128, 128));
    EXPECT_EQ(Stored(Key::DiaryEntryTextColor), QString::number(Rgb(255, 128, 128)));

    Store(Key::TodayTextColor, QString());
    prompts.colourAnswers = {Rgb(255, 0, 0)};
    ASSERT_TRUE(
        RunColourCommand(*FindColourCommand(CommandId::TextColour), colours, prompts, settings));
    EXPECT_EQ(colours.todayText, Rgb(0, 0, 255));
    EXPECT_EQ(Stored(Key::TodayTextColor), QString::number(Rgb(0, 0, 255)));
}

TEST_F(AppearanceCommandsTest, OtherColoursDoNotReloadThePairs) {
    prompts.colourAnswers = {Rgb(9, 9, 9)};
    ASSERT_TRUE(RunColourCommand(*FindColourCommand(CommandId::BackgroundColour), colours, prompts,
                                 settings));
    EXPECT_TRUE(Stored(Key::TodayTextColor).isEmpty());
}

TEST_F(AppearanceCommandsTest, FontCommandStartsFromTheViewsFontAndColourAndCancelKeepsAll) {
    colours.text = Rgb(0, 0, 128);
    prompts.fontAnswers = {std::nullopt};
    EXPECT_FALSE(RunFontCommand(font, colours, prompts, settings));
    ASSERT_EQ(prompts.fontRequests.size(), 1);
    EXPECT_EQ(prompts.fontRequests[0].face, "DejaVu Sans");
    EXPECT_EQ(prompts.fontRequests[0].height, -14);
    EXPECT_EQ(prompts.fontRequests[0].colour, Rgb(0, 0, 128));
    EXPECT_EQ(font.face, "DejaVu Sans");
    EXPECT_TRUE(Stored(Key::Font).isEmpty());
    EXPECT_TRUE(Stored(Key::TextColor).isEmpty());
    EXPECT_TRUE(Stored(Key::TodayTextColor).isEmpty());
}

TEST_F(AppearanceCommandsTest, FontCommandStoresFaceSizeAndColourOnOk) {
    prompts.fontAnswers = {FontChoice{"Liberation Serif", -20, Rgb(0, 0, 255)}};
    ASSERT_TRUE(RunFontCommand(font, colours, prompts, settings));
    EXPECT_EQ(font.face, "Liberation Serif");
    EXPECT_EQ(font.height, -20);
    EXPECT_EQ(colours.text, Rgb(0, 0, 255));
    EXPECT_EQ(Stored(Key::Font), "Liberation Serif");
    EXPECT_EQ(Stored(Key::FontSize), "-20");
    EXPECT_EQ(Stored(Key::TextColor), QString::number(Rgb(0, 0, 255)));
    // The today colour is worked out from the new text colour: red differs from blue.
    EXPECT_EQ(colours.todayText, Rgb(255, 0, 0));
    EXPECT_EQ(Stored(Key::TodayTextColor), QString::number(Rgb(255, 0, 0)));
}

TEST_F(AppearanceCommandsTest, FontCommandCutsLongFacesAndKeepsAUsableSize) {
    const QString longFace = QStringLiteral("A Very Long Font Family Name That Goes On");
    prompts.fontAnswers = {FontChoice{longFace, 0, Rgb(0, 0, 0)}};
    ASSERT_TRUE(RunFontCommand(font, colours, prompts, settings));
    EXPECT_EQ(Stored(Key::Font), longFace.left(31));
    EXPECT_EQ(font.face.size(), 31);
    EXPECT_EQ(Stored(Key::FontSize), "-14");
}
