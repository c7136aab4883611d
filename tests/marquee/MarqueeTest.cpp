// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>

#include "marquee/Marquee.h"
#include "support/FakeMarqueeCanvas.h"
#include "support/FakeMarqueeTimer.h"
#include "support/FakePrompts.h"
#include "support/SettingsFixture.h"

namespace {
class MarqueeTest : public SettingsFixture {
protected:
    MarqueeTest() {
        marquee.SetAlarmCheck([this] { ++alarmChecks; });
    }

    QString WriteMarqueeFile(const QByteArray& bytes, const QString& name = "marquee.txt") {
        return dir.Write(name, bytes);
    }

    // A file of lines re-read every 4 ticks (1 second at 250 ms).
    void UseFile(const QString& path) {
        Put(Key::UseFile, "True");
        Put(Key::MarqueeFileName, path);
        Put(Key::MarqueeSecs, "250");
        Put(Key::MarqueeCheckFileUnits, "Seconds");
    }

    void Construct() {
        marquee.LoadSettings();
        marquee.Start();
    }

    void Ticks(int count) {
        for (int i = 0; i < count; ++i) marquee.Tick();
    }

    // Ticks until the shown text changes (at most 2000 ticks).
    QString TickUntilTextChanges() {
        const QString before = marquee.Band().ShownText();
        for (int i = 0; i < 2000 && marquee.Band().ShownText() == before; ++i) marquee.Tick();
        return marquee.Band().ShownText();
    }

    FakePrompts prompts;
    FakeMarqueeTimer timer;
    FakeMarqueeCanvas canvas;
    CMarquee marquee{settings, prompts, timer, canvas};
    int alarmChecks = 0;
};

// A huge text is cut for the band and measured once.
TEST_F(MarqueeTest, OneTimerAtMarqueeSecsOnlyWhileOnAndShowMarqueeResumesWhereItStopped) {
    const QString huge(5 * 1024 * 1024, QLatin1Char('m'));
    Put(Key::MarqueeMess, huge);
    Construct();
    EXPECT_EQ(timer.lastInterval, 25);
    Ticks(7);
    EXPECT_FALSE(marquee.Toggle());
    EXPECT_EQ(Stored(Key::MarqueeOn), "False");
    EXPECT_FALSE(timer.running);
    EXPECT_TRUE(marquee.Toggle());
    EXPECT_EQ(Stored(Key::MarqueeOn), "True");
    EXPECT_EQ(timer.startsWhileRunning, 0);
    Ticks(500);
    EXPECT_EQ(canvas.frames[7].textX, -8);
    EXPECT_EQ(marquee.Band().ShownText(), huge.left(CMarqueeBand::kMaxShownChars));
    EXPECT_EQ(canvas.textsMeasured, 1);
    EXPECT_EQ(alarmChecks, 0) << "no alarm check without a file";

    Put(Key::MarqueeSecs, "0");
    marquee.Reload();
    EXPECT_EQ(timer.lastInterval, 1) << "an interval below one runs at one";
    Put(Key::MarqueeOn, "False");
    marquee.Reload();
    EXPECT_FALSE(timer.running);
}

TEST_F(MarqueeTest, FileLinesCycleAtWrapAroundsWithOneAlarmCheckPerReRead) {
    UseFile(WriteMarqueeFile("A\r\nB\r\nC\r\n"));
    Construct();
    EXPECT_EQ(marquee.TickLimit(), 4);
    Ticks(4);
    EXPECT_EQ(alarmChecks, 0);
    marquee.Tick();  // the counter passes the limit: re-read and check
    EXPECT_EQ(alarmChecks, 1);
    QStringList shown{marquee.Band().ShownText()};
    for (int i = 0; i < 4; ++i) shown << TickUntilTextChanges();
    EXPECT_EQ(shown, QStringList({"A", "B", "C", "A", "B"}));
    EXPECT_EQ(alarmChecks, 4);
}
TEST_F(MarqueeTest, PeriodEndingBeforeTheWrapWaitsForIt) {
    UseFile(WriteMarqueeFile("A\r\nB\r\n"));
    Put(Key::MarqueeSlide, "0");
    Construct();
    Ticks(200);
    // The text never wraps, so only the first re-read happens.
    EXPECT_EQ(alarmChecks, 1);
    EXPECT_EQ(marquee.Band().ShownText(), "A");
    EXPECT_EQ(marquee.Band().PendingText(), "B");
    EXPECT_EQ(marquee.TickCounter(), 5);
}

TEST_F(MarqueeTest, StoredMessageComesFirstThenTheFileEvenAnEmptyOne) {
    UseFile(WriteMarqueeFile("Line one\r\nLine two\r\n"));
    Put(Key::MarqueeMess, "Stored");
    Construct();
    marquee.ShowStoredMessage();
    EXPECT_EQ(marquee.Band().ShownText(), "Stored");
    EXPECT_EQ(TickUntilTextChanges(), "Line one");
    WriteMarqueeFile("");
    TickUntilTextChanges();
    EXPECT_EQ(TickUntilTextChanges(), "");
}

TEST_F(MarqueeTest, MissingFileIsReportedOnceKeepsTheTextAndAlarmsStillRun) {
    const QString path = dir.File("absent.txt");
    UseFile(path);
    Put(Key::MarqueeMess, "Fallback");
    Construct();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].caption, "Calendar");
    Ticks(50);
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(alarmChecks, 10);
    EXPECT_EQ(marquee.Band().ShownText(), "Fallback");
    // Once the file is back it is read; a later loss is reported again.
    WriteMarqueeFile("Back\r\n", "absent.txt");
    EXPECT_EQ(TickUntilTextChanges(), "Back");
    QFile::remove(path);
    Ticks(10);
    EXPECT_EQ(prompts.messages.size(), 2);
}

TEST_F(MarqueeTest, ReloadKeepsTheCountAndFilePosition) {
    UseFile(WriteMarqueeFile("A\r\nB\r\nC\r\n", "old.txt"));
    Construct();
    Ticks(2);
    EXPECT_EQ(marquee.FilePosition(), 3);
    Put(Key::MarqueeSecs, "500");
    Put(Key::MarqueeFileName, WriteMarqueeFile("1111\r\n2222\r\n", "new.txt"));
    marquee.Reload();
    EXPECT_EQ(timer.lastInterval, 500);
    EXPECT_EQ(timer.startsWhileRunning, 0);
    EXPECT_EQ(marquee.TickLimit(), 2);
    EXPECT_EQ(marquee.TickCounter(), 2);
    // The new file is read from the byte position reached in the old one.
    EXPECT_EQ(marquee.Band().PendingText(), "1");
}
}  // namespace
