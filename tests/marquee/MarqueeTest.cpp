#include <gtest/gtest.h>

#include <QFile>

#include "marquee/Marquee.h"
#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/FakeMarqueeCanvas.h"
#include "support/FakeMarqueeTimer.h"
#include "support/FakePrompts.h"
#include "support/TempDir.h"

namespace {

class MarqueeTest : public ::testing::Test {
protected:
    MarqueeTest() : store(dir.SettingsFile()), settings(store, colours) {
        marquee.SetAlarmCheck([this] { ++alarmChecks; });
    }

    void Set(const char* key, const QString& value) { settings.WriteSetting(key, value); }

    QString WriteMarqueeFile(const QByteArray& bytes, const QString& name = "marquee.txt") {
        const QString path = dir.File(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // A file of lines re-read every 4 ticks (1 second at 250 ms).
    void UseFile(const QString& path) {
        Set(Key::UseFile, "True");
        Set(Key::MarqueeFileName, path);
        Set(Key::MarqueeSecs, "250");
        Set(Key::MarqueeCheckFileFreq, "1");
        Set(Key::MarqueeCheckFileUnits, "Seconds");
    }

    void Construct() {
        marquee.LoadSettings();
        marquee.Start();
    }

    // Ticks until the shown text changes (at most `limit` ticks).
    QString TickUntilTextChanges(int limit = 2000) {
        const QString before = marquee.Band().ShownText();
        for (int i = 0; i < limit && marquee.Band().ShownText() == before; ++i) marquee.Tick();
        return marquee.Band().ShownText();
    }

    TempDir dir;
    CSettingsStore store;
    CDefaultSystemColours colours;
    CSettingsHelper settings;
    FakePrompts prompts;
    FakeMarqueeTimer timer;
    FakeMarqueeCanvas canvas;
    CMarquee marquee{settings, prompts, timer, canvas};
    int alarmChecks = 0;
};

}  // namespace

TEST_F(MarqueeTest, FirstStartReadsDefaultsWritesThemBackAndRunsTheTimerAt25ms) {
    Construct();
    EXPECT_TRUE(marquee.IsOn());
    EXPECT_EQ(marquee.Settings().slide, 1);
    EXPECT_EQ(timer.starts, 1);
    EXPECT_EQ(timer.lastInterval, 25);
    EXPECT_EQ(marquee.TickLimit(), 144000);
    for (const char* key :
         {Key::MarqueeOn, Key::MarqueeSlide, Key::MarqueeSecs, Key::UseFile,
          Key::MarqueeCheckFileUnits, Key::MarqueeTextColor, Key::MarqueeBackgroundColor})
        EXPECT_TRUE(store.Contains(CSettingsStore::kSettingsSection, key)) << key;
    EXPECT_EQ(marquee.Settings().textColour, Rgb(0, 0, 0));
    EXPECT_EQ(marquee.Settings().backgroundColour, Rgb(255, 255, 255));
}

TEST_F(MarqueeTest, BandOffStartsNoTimerAndIntervalBelowOneRunsAtOne) {
    Set(Key::MarqueeOn, "False");
    Construct();
    EXPECT_EQ(timer.starts, 0);
    EXPECT_FALSE(marquee.TimerRunning());

    Set(Key::MarqueeOn, "True");
    Set(Key::MarqueeSecs, "0");
    marquee.Reload();
    EXPECT_EQ(timer.lastInterval, 1);
}

TEST_F(MarqueeTest, ShowMarqueeTwiceRestoresTheBandWhereItStoppedWithOneTimer) {
    Set(Key::MarqueeMess, "Hello");
    Construct();
    for (int i = 0; i < 7; ++i) marquee.Tick();
    EXPECT_EQ(marquee.Band().X(), -7);

    EXPECT_FALSE(marquee.Toggle());
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeOn), "False");
    EXPECT_FALSE(timer.running);
    EXPECT_TRUE(marquee.Toggle());
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeOn), "True");
    EXPECT_TRUE(timer.running);
    EXPECT_EQ(timer.startsWhileRunning, 0);

    marquee.Tick();
    EXPECT_EQ(canvas.frames.last().textX, -8);
    EXPECT_EQ(canvas.frames.last().text, "Hello");
}

TEST_F(MarqueeTest, StoredMessageScrollsAndNoAlarmCheckRunsWithoutAFile) {
    Set(Key::MarqueeMess, "Sale today");
    Construct();
    for (int i = 0; i < 500; ++i) marquee.Tick();
    EXPECT_EQ(canvas.frames.size(), 500);
    EXPECT_EQ(canvas.frames.first().text, "Sale today");
    EXPECT_EQ(alarmChecks, 0);
    EXPECT_EQ(marquee.TickCounter(), 0);
}

TEST_F(MarqueeTest, FileLinesCycleAtWrapAroundsWithOneAlarmCheckPerReRead) {
    UseFile(WriteMarqueeFile("A\r\nB\r\nC\r\n"));
    Construct();
    EXPECT_EQ(marquee.Band().ShownText(), "A");
    EXPECT_EQ(marquee.TickLimit(), 4);

    QStringList shown{"A"};
    for (int i = 0; i < 4; ++i) shown << TickUntilTextChanges();
    EXPECT_EQ(shown, QStringList({"A", "B", "C", "A", "B"}));
    // One re-read per line taken over, each followed by the alarm check.
    EXPECT_EQ(alarmChecks, 4);
}

TEST_F(MarqueeTest, AlarmCheckRunsOnlyAtAReRead) {
    UseFile(WriteMarqueeFile("Same\r\n"));
    Construct();
    for (int i = 0; i < 4; ++i) marquee.Tick();
    EXPECT_EQ(alarmChecks, 0);
    marquee.Tick();  // the counter passes the limit: re-read and check
    EXPECT_EQ(alarmChecks, 1);
    EXPECT_EQ(marquee.TickCounter(), 0);
    for (int i = 0; i < 4; ++i) marquee.Tick();
    EXPECT_EQ(alarmChecks, 1);
    marquee.Tick();
    EXPECT_EQ(alarmChecks, 2);
}

TEST_F(MarqueeTest, PeriodEndingBeforeTheWrapWaitsForIt) {
    UseFile(WriteMarqueeFile("A\r\nB\r\n"));
    Set(Key::MarqueeSlide, "0");
    Construct();
    for (int i = 0; i < 200; ++i) marquee.Tick();
    // The text never wraps, so only the first re-read happens.
    EXPECT_EQ(alarmChecks, 1);
    EXPECT_EQ(marquee.Band().ShownText(), "A");
    EXPECT_EQ(marquee.Band().PendingText(), "B");
    EXPECT_EQ(marquee.TickCounter(), 5);
}

TEST_F(MarqueeTest, FileWithoutInternetShowsTheMessageFirstThenTheFirstLine) {
    UseFile(WriteMarqueeFile("Line one\r\nLine two\r\n"));
    Set(Key::MarqueeMess, "Stored");
    Construct();
    marquee.ShowStoredMessage();
    EXPECT_EQ(marquee.Band().ShownText(), "Stored");
    EXPECT_EQ(marquee.Band().PendingText(), "Line one");
    EXPECT_EQ(TickUntilTextChanges(), "Line one");
}

TEST_F(MarqueeTest, EmptyFileEmptiesTheBandAtTheWrapAfterTheReRead) {
    UseFile(WriteMarqueeFile(""));
    Set(Key::MarqueeMess, "Stored");
    Construct();
    marquee.ShowStoredMessage();
    EXPECT_EQ(marquee.Band().PendingText(), "");
    EXPECT_EQ(TickUntilTextChanges(), "");
    for (int i = 0; i < 300; ++i) marquee.Tick();
    EXPECT_EQ(marquee.Band().ShownText(), "");
    EXPECT_GE(alarmChecks, 1);
}

TEST_F(MarqueeTest, MissingFileIsReportedOnceKeepsTheTextAndAlarmsStillRun) {
    const QString path = dir.File("absent.txt");
    UseFile(path);
    Set(Key::MarqueeMess, "Fallback");
    Construct();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(path));
    EXPECT_EQ(prompts.messages[0].caption, "Calendar");
    EXPECT_EQ(marquee.Band().ShownText(), "Fallback");

    for (int i = 0; i < 50; ++i) marquee.Tick();
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(alarmChecks, 10);
    EXPECT_EQ(marquee.Band().ShownText(), "Fallback");

    // Once the file is back it is read; a later loss is reported again.
    WriteMarqueeFile("Back\r\n", "absent.txt");
    EXPECT_EQ(TickUntilTextChanges(), "Back");
    QFile::remove(path);
    for (int i = 0; i < 10; ++i) marquee.Tick();
    EXPECT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(marquee.Band().ShownText(), "Back");
}

TEST_F(MarqueeTest, ReloadRestartsTheTimerAndKeepsTheCountAndFilePosition) {
    UseFile(WriteMarqueeFile("A\r\nB\r\nC\r\n", "old.txt"));
    Construct();
    marquee.Tick();
    marquee.Tick();
    EXPECT_EQ(marquee.FilePosition(), 3);

    Set(Key::MarqueeSecs, "500");
    Set(Key::MarqueeFileName, WriteMarqueeFile("1111\r\n2222\r\n", "new.txt"));
    marquee.Reload();
    EXPECT_EQ(timer.lastInterval, 500);
    EXPECT_EQ(timer.startsWhileRunning, 0);
    EXPECT_EQ(marquee.TickLimit(), 2);
    EXPECT_EQ(marquee.TickCounter(), 2);
    // The new file is read from the byte position reached in the old one.
    EXPECT_EQ(marquee.Band().ShownText(), "1");
    EXPECT_EQ(marquee.Band().PendingText(), "1");
}

TEST_F(MarqueeTest, ReloadWithAnUnknownUnitKeepsTheTickLimit) {
    Construct();
    EXPECT_EQ(marquee.TickLimit(), 144000);
    Set(Key::MarqueeCheckFileUnits, "Fortnights");
    Set(Key::MarqueeOn, "False");
    marquee.Reload();
    EXPECT_EQ(marquee.TickLimit(), 144000);
    EXPECT_FALSE(timer.running);
    EXPECT_EQ(timer.stops, 1);
}
