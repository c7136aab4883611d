// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <string>

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

    // "interval on|off", with " twice" once a start found the timer running.
    std::string Timer() const {
        return QStringLiteral("%1 %2%3")
            .arg(timer.lastInterval)
            .arg(timer.running ? "on" : "off", timer.startsWhileRunning ? " twice" : "")
            .toStdString();
    }
    // "shown|pending|tick counter|alarm checks".
    std::string State() const {
        return QStringLiteral("%1|%2|%3|%4")
            .arg(marquee.Band().ShownText(), marquee.Band().PendingText())
            .arg(marquee.TickCounter())
            .arg(alarmChecks)
            .toStdString();
    }

    FakePrompts prompts;
    FakeMarqueeTimer timer;
    FakeMarqueeCanvas canvas;
    CMarquee marquee{settings, prompts, timer, canvas};
    int alarmChecks = 0;
};

// A huge text is cut for the band and measured once; no file, no alarm check.
TEST_F(MarqueeTest, OneTimerAtMarqueeSecsOnlyWhileOnAndShowMarqueeResumesWhereItStopped) {
    const QString huge(5 * 1024 * 1024, QLatin1Char('m'));
    Put(Key::MarqueeMess, huge);
    Construct();
    Ticks(7);
    EXPECT_FALSE(marquee.Toggle());
    EXPECT_EQ(Stored(Key::MarqueeOn).toStdString() + " " + Timer(), "False 25 off");
    EXPECT_TRUE(marquee.Toggle());
    EXPECT_EQ(Stored(Key::MarqueeOn).toStdString() + " " + Timer(), "True 25 on");
    Ticks(500);
    EXPECT_EQ(canvas.frames[7].textX, -8);
    EXPECT_EQ(marquee.Band().ShownText(), huge.left(CMarqueeBand::kMaxShownChars));
    EXPECT_EQ(canvas.textsMeasured, 1);
    EXPECT_EQ(alarmChecks, 0);
    Put(Key::MarqueeSecs, "0");
    marquee.Reload();
    EXPECT_EQ(Timer(), "1 on") << "an interval below one runs at one";
    Put(Key::MarqueeOn, "False");
    marquee.Reload();
    EXPECT_FALSE(timer.running);
}

// The stored message gives way to the file's line at the next wrap-around,
// an emptied file to an empty text.
// A reload keeps the tick count and reads the new file from the byte position
// reached in the old one. A period that ends before the text wraps (it never
// does without a slide) waits for the wrap-around: only its first re-read
// happens.
TEST_F(MarqueeTest, FileLinesCycleAtWrapAroundsWithOneAlarmCheckPerReRead) {
    UseFile(dir.Write("marquee.txt", "A\r\nB\r\nC\r\n"));
    Put(Key::MarqueeMess, "Stored");
    Construct();
    EXPECT_EQ(marquee.TickLimit(), 4);
    Ticks(4);
    EXPECT_EQ(alarmChecks, 0);
    marquee.Tick();  // the counter passes the limit: re-read and check
    EXPECT_EQ(alarmChecks, 1);
    QStringList shown{marquee.Band().ShownText()};
    for (int i = 0; i < 4; ++i) shown << TickUntilTextChanges();
    marquee.ShowStoredMessage();
    shown << marquee.Band().ShownText() << TickUntilTextChanges();
    EXPECT_EQ(shown, QStringList({"A", "B", "C", "A", "B", "Stored", "B"}));
    EXPECT_EQ(alarmChecks, 4);
    Put(Key::MarqueeSecs, "500");
    Put(Key::MarqueeFileName, dir.Write("new.txt", "1111\r\n2222\r\n"));
    marquee.Reload();
    EXPECT_EQ(Timer(), "500 on");
    EXPECT_EQ(marquee.TickLimit(), 2);
    EXPECT_EQ(State(), "2222|2222|5|4");
    dir.Write("new.txt", "");
    EXPECT_EQ(TickUntilTextChanges(), "");
    dir.Write("new.txt", "1111\r\n2222\r\n");
    Put(Key::MarqueeSlide, "0");
    marquee.Reload();
    alarmChecks = 0;
    Ticks(200);
    EXPECT_EQ(State(), "1111|2222|3|1");
}

// Once the file is back it is read; a later loss is reported again.
TEST_F(MarqueeTest, MissingFileIsReportedOnceKeepsTheTextAndAlarmsStillRun) {
    const QString path = dir.File("absent.txt");
    UseFile(path);
    Put(Key::MarqueeMess, "Fallback");
    Construct();
    Ticks(50);
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(State(), "Fallback|Fallback|0|10");
    dir.Write("absent.txt", "Back\r\n");
    EXPECT_EQ(TickUntilTextChanges(), "Back");
    QFile::remove(path);
    Ticks(10);
    EXPECT_EQ(prompts.Shown().filter(QRegularExpression("^Calendar: .*absent.txt")).size(), 2);
}

}  // namespace
