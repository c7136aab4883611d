// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "diary/DiaryError.h"
#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"
#include "reminders/Reminders.h"
#include "support/DiaryFixture.h"
#include "support/FakeClock.h"
#include "support/FakePrompts.h"
#include "support/FakeTunes.h"
#include "support/RowName.h"

namespace {
using diaryfiles::Entry;

// Today is Monday 5 March 2007 (the fake clock's default).
class RemindersTest : public DiaryFixture {
protected:
    void LoadIndex() { index.LoadMonthIndex(holder.GetDiarySet(), 3, 2007, false); }

    CDiarySetHolder holder{store};
    CMonthIndex index;
    FakePrompts prompts;
    FakeClock clock;
    FakeTunes tunes;
    CReminders reminders{holder, prompts, clock, tunes};
};

TEST_F(RemindersTest, DayMessagesShareOneBoxUnderTheLongDateAndPlayTheirTunes) {
    Add({{"12122007", "Dentist"},
         {"1212****", "Pay rent", "  /Sounds/Bell.WAV  "},
         {"12122007", "", "/Sounds/chime.wav"},
         {"12122007", "Video", "/a/clip.avi"},
         {"12122007", "Song", "/a/song.mp3"},
         {"13122007", "Not this day"}});
    reminders.CheckDiary(12, 12, 2007, false);
    EXPECT_EQ(prompts.Shown(),
              QStringList{"Wednesday, December 12 2007: Dentist\nPay rent\nVideo\nSong"});
    // The path keeps its case; an empty message still plays its tune; an mp3 is not played.
    EXPECT_EQ(tunes.calls,
              (QStringList{"sound /Sounds/Bell.WAV", "sound /Sounds/chime.wav", "open /a/clip.avi",
                           "place 100 100 160 160", "play", "close"}));
}

TEST_F(RemindersTest, EmptyDayShowsNoMessagesUnlessQuietAndOddRowsGiveNothing) {
    Add({{QVariant(), QVariant(), QVariant()},
         {"0503200", "seven"},
         {"05/03/2007", "ten"},
         {"05032007", QVariant(), "   "}});
    LoadIndex();
    reminders.CheckDiary(0, 0, 0, true);
    EXPECT_TRUE(prompts.messages.isEmpty());
    Add({{"05032007", "added after the load"}});
    reminders.CheckDiary(0, 0, 0, false);
    EXPECT_EQ(prompts.Shown(), QStringList{"Monday, March 5 2007: No Messages!"})
        << "the records as last fetched";
    EXPECT_TRUE(tunes.calls.isEmpty());
    LoadIndex();
    EXPECT_EQ(reminders.GatherDayMessages(0, 0, 0, false), "added after the load");
}

// What each step of the player says is the player's test; here a failed step
// is told under its own caption and the later steps still run.
TEST_F(RemindersTest, VideoFailuresAreReportedPerStepAndAnUnopenableDiaryOnce) {
    tunes.openFailure = QStringLiteral("The file /gone.avi cannot be found.");
    tunes.playFailure = QString();
    reminders.PlayTune(QStringLiteral("/gone.avi"));
    EXPECT_EQ(tunes.calls.size(), 4);
    EXPECT_EQ(prompts.Shown(), QStringList({"MCIERROR - open: The file /gone.avi cannot be found.",
                                            "MCIERROR - play: Unknown MCI error"}));
    diaryfiles::PointSettingsAt(store, dir.File(QStringLiteral("missing.db")));
    EXPECT_THROW(reminders.CheckDiary(0, 0, 0, false), CDatabaseError);
    reminders.CheckDiary(0, 0, 0, false);
    EXPECT_EQ(prompts.messages.last().text, "No Messages!");
}

}  // namespace
