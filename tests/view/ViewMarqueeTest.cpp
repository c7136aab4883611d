#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFocusEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"
#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/FakeClock.h"
#include "support/FakeHttp.h"
#include "support/FakePrompts.h"
#include "support/TempDir.h"
#include "view/ViewMarquee.h"

namespace {

// Message boxes that run their own event loop for a while, as real ones do.
class LoopingPrompts : public FakePrompts {
public:
    void ShowMessage(const QString& text, const QString& caption) override {
        FakePrompts::ShowMessage(text, caption);
        if (onShow)
            onShow();
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        if (loopMilliseconds > 0)
            QTest::qWait(loopMilliseconds);
        --depth;
    }
    std::function<void()> onShow;
    int loopMilliseconds = 0;
    int depth = 0;
    int maxDepth = 0;
};

const ColourRef kRed = Rgb(255, 0, 0);
const ColourRef kBlue = Rgb(0, 0, 255);

// A 400 x 300 viewport over a 380 x 200 page, band in red with blue text.
class ViewMarqueeTest : public ::testing::Test {
protected:
    ViewMarqueeTest() : store(dir.SettingsFile()), settings(store, colours) {
        viewport.resize(400, 300);
        settings.WriteColour(Key::MarqueeBackgroundColor, kRed);
        settings.WriteColour(Key::MarqueeTextColor, kBlue);
        settings.WriteSetting(Key::MarqueeMess, "WWWW WWWW");
    }

    CViewMarquee& Marquee(const PromotionServer& server = {}) {
        CViewMarquee::Hooks hooks;
        hooks.pageSize = [] { return QSize(380, 200); };
        hooks.alarmCheck = [this] { alarmCheck(); };
        hooks.isPromotionLine = [](const QPoint& client) { return client.y() < 20; };
        marquee = std::make_unique<CViewMarquee>(viewport, settings, prompts, clock, &http, server,
                                                 hooks);
        marquee->LoadInitialText();
        marquee->Start();
        return *marquee;
    }

    // What the viewport would show: white, then the band copied over it.
    QImage Render() const {
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        marquee->Paint(painter);
        return image;
    }

    static int CountPixels(const QImage& image, const QRect& area, QColor colour) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixelColor(x, y) == colour ? 1 : 0;
        return count;
    }

    TempDir dir;
    CSettingsStore store;
    CDefaultSystemColours colours;
    CSettingsHelper settings;
    LoopingPrompts prompts;
    FakeClock clock;
    FakeHttp http;
    QWidget viewport;
    std::function<void()> alarmCheck = [] {};
    std::unique_ptr<CViewMarquee> marquee;
};

}  // namespace

TEST_F(ViewMarqueeTest, OneTimerAtMarqueeSecsOnlyWhileOn) {
    CViewMarquee& band = Marquee();
    EXPECT_TRUE(band.Timer().isActive());
    EXPECT_EQ(band.Timer().interval(), 25);
    EXPECT_FALSE(band.Toggle());
    EXPECT_FALSE(band.Timer().isActive());
    EXPECT_TRUE(band.Toggle());
    EXPECT_TRUE(band.Timer().isActive());

    settings.WriteSetting(Key::MarqueeSecs, "40");
    band.Reload();
    EXPECT_EQ(band.Timer().interval(), 40);
}

TEST_F(ViewMarqueeTest, TicksPaintOnlyTheBandInItsColours) {
    CViewMarquee& band = Marquee();
    QTest::qWait(120);
    const QRect bandRect = band.BandRect();
    ASSERT_FALSE(bandRect.isEmpty());
    // The client is two text heights taller than the page: the last text height.
    EXPECT_EQ(bandRect.bottom(), 299);
    EXPECT_EQ(bandRect.width(), 400);

    const QImage image = Render();
    const int bandPixels = bandRect.width() * bandRect.height();
    const int red = CountPixels(image, bandRect, QColor(255, 0, 0));
    const int blue = CountPixels(image, bandRect, QColor(0, 0, 255));
    EXPECT_GT(red, bandPixels / 2);
    EXPECT_GT(blue, 0);
    EXPECT_EQ(CountPixels(image, QRect(0, 0, 400, bandRect.top()), Qt::white),
              400 * bandRect.top());
    EXPECT_TRUE(band.ExposesOnlyBand(bandRect.adjusted(5, 0, -5, 0)));
    EXPECT_FALSE(band.ExposesOnlyBand(QRect(0, 0, 400, 300)));
}

TEST_F(ViewMarqueeTest, BandSwitchedOffIsNotPainted) {
    CViewMarquee& band = Marquee();
    QTest::qWait(80);
    band.Toggle();
    const QImage image = Render();
    EXPECT_EQ(CountPixels(image, QRect(0, 0, 400, 300), Qt::white), 400 * 300);
}

TEST_F(ViewMarqueeTest, FailingAlarmCheckIsReportedAndTheBandGoesOn) {
    const QString path = dir.File("lines.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Same line\r\n");
    file.close();
    settings.WriteSetting(Key::UseFile, "True");
    settings.WriteSetting(Key::MarqueeFileName, path);
    settings.WriteSetting(Key::MarqueeCheckFileFreq, "0");  // a re-read at every tick
    settings.WriteSetting(Key::MarqueeCheckFileUnits, "Seconds");
    int checks = 0;
    alarmCheck = [&checks] {
        ++checks;
        throw CDatabaseError("The diary cannot be read.");
    };
    prompts.loopMilliseconds = 150;
    int xWhenShown = 0;
    prompts.onShow = [&] { xWhenShown = marquee->Marquee().Band().X(); };
    CViewMarquee& band = Marquee();
    QTest::qWait(100);
    ASSERT_GE(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "The diary cannot be read.");
    // The band kept moving while the box was open, and the re-reads in the
    // box's loop did not put a second check (and box) on top.
    EXPECT_LT(band.Marquee().Band().X(), xWhenShown);
    EXPECT_EQ(prompts.maxDepth, 1);
    EXPECT_EQ(checks, prompts.messages.size());
    EXPECT_TRUE(band.Timer().isActive());
}

TEST_F(ViewMarqueeTest, ClickFetchesAndFocusFollowsTheDueRule) {
    const PromotionServer server{"http://promo.test/p", "acme", "desk"};
    http.QueueError("offline");  // the start-up update
    CViewMarquee& band = Marquee(server);
    // No diary file: the update stops before asking and reports it.
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(http.requests.isEmpty());
    band.OnFocusGained();  // waits an hour after that failure
    EXPECT_EQ(prompts.messages.size(), 1);
    band.OnSponsorOrPhoneClicked();
    EXPECT_EQ(prompts.messages.size(), 2);
}

TEST_F(ViewMarqueeTest, PromotionLineClicksAndFocusRunTheUpdateAfterTheViewsOwnHandling) {
    const QString diaryPath = dir.File("Diary.db");
    QFile(diaryPath).open(QIODevice::WriteOnly);
    CDiaryDatabase{diaryPath};  // a new diary gets its tables
    settings.WriteSetting(Key::DiaryName, diaryPath);
    http.QueueBody("At start");
    http.QueueBody("Clicked");
    http.QueueBody("Next day");
    QWidget view;
    CViewMarquee& band = Marquee(PromotionServer{"http://promo.test/p", "acme", "desk"});
    band.WatchFocusAndClicks(view);
    EXPECT_EQ(band.Marquee().Band().ShownText(), "At start");

    QTest::mouseClick(&viewport, Qt::LeftButton, {}, QPoint(50, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(http.requests.size(), 1);
    QTest::mouseClick(&viewport, Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_EQ(http.requests.size(), 1);  // queued behind the view's own handling
    QCoreApplication::processEvents();
    EXPECT_EQ(band.Marquee().Band().ShownText(), "Clicked");

    QFocusEvent focus(QEvent::FocusIn);
    QCoreApplication::sendEvent(&view, &focus);
    QCoreApplication::processEvents();
    EXPECT_EQ(http.requests.size(), 2);  // fetched today already
    clock.now = clock.now.addDays(1);
    QCoreApplication::sendEvent(&view, &focus);
    QCoreApplication::processEvents();
    EXPECT_EQ(band.Marquee().Band().ShownText(), "Next day");
    EXPECT_TRUE(prompts.messages.isEmpty());
}
