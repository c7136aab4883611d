// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QTest>
#include <QWidget>

#include "diary/DiaryError.h"
#include "settings/SettingsKeys.h"
#include "support/BoxPrompts.h"
#include "support/DiaryFixture.h"
#include "support/FakeClock.h"
#include "support/FakeHttp.h"
#include "view/ViewMarquee.h"

namespace {

// A 400 x 300 viewport over a 380 x 200 page, and a diary for the message.
class ViewMarqueeTest : public DiaryFixture {
protected:
    ViewMarqueeTest() { viewport.resize(400, 300); }

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

    BoxPrompts prompts;
    FakeClock clock;
    FakeHttp http;
    QWidget viewport;
    std::function<void()> alarmCheck = [] {};
    std::unique_ptr<CViewMarquee> marquee;
};

}  // namespace

TEST_F(ViewMarqueeTest, FailingAlarmCheckIsReportedAndTheBandGoesOn) {
    settings.WriteSetting(Key::UseFile, "True");
    settings.WriteSetting(Key::MarqueeFileName, dir.Write("lines.txt", "Same line\r\n"));
    settings.WriteSetting(Key::MarqueeCheckFileFreq, "0");  // a re-read at every tick
    settings.WriteSetting(Key::MarqueeCheckFileUnits, "Seconds");
    int checks = 0;
    alarmCheck = [&checks] {
        ++checks;
        throw CDatabaseError("The diary cannot be read.");
    };
    // The first box runs its own event loop for a while, as a real one does;
    // one put on top of it returns at once, so that the test fails, not hangs.
    int movedWhileOpen = 0, depth = 0, maxDepth = 0;
    prompts.whileOpen = [&] {
        const int xWhenShown = marquee->Marquee().Band().X();
        maxDepth = std::max(maxDepth, ++depth);
        // Open until the band has moved, however slowly the timer comes round.
        const auto moved = [&] { return marquee->Marquee().Band().X() != xWhenShown; };
        (void)QTest::qWaitFor([&] { return depth > 1 || moved(); }, 60000);
        --depth;
        movedWhileOpen = xWhenShown - marquee->Marquee().Band().X();
    };
    CViewMarquee& band = Marquee();
    // A loaded machine may take a while for the first tick.
    (void)QTest::qWaitFor([&] { return !prompts.messages.isEmpty(); }, 60000);
    EXPECT_EQ(prompts.messages.value(0).text, "The diary cannot be read.");
    // The band kept moving while the box was open, and the re-reads in the
    // box's loop did not put a second check (and box) on top.
    EXPECT_GT(movedWhileOpen, 0);
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(checks, prompts.messages.size());
    EXPECT_TRUE(band.Timer().isActive());
}

TEST_F(ViewMarqueeTest, PromotionLineClicksAndFocusRunTheUpdateAfterTheViewsOwnHandling) {
    for (const char* body : {"At start", "Clicked", "Next day"}) http.QueueBody(body);
    QWidget view;
    CViewMarquee& band = Marquee(PromotionServer{"http://promo.test/p", "acme", "desk"});
    band.WatchFocusAndClicks(view);
    EXPECT_EQ(band.Marquee().Band().ShownText(), "At start");

    QTest::mouseClick(&viewport, Qt::LeftButton, {}, QPoint(50, 100));
    QCoreApplication::processEvents();
    QTest::mouseClick(&viewport, Qt::LeftButton, {}, QPoint(50, 5));
    // None for the click below the line; the one on it is queued behind the
    // view's own handling.
    EXPECT_EQ(http.requests.size(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(band.Marquee().Band().ShownText(), "Clicked");

    QFocusEvent focus(QEvent::FocusIn);
    QCoreApplication::sendEvent(&view, &focus);
    QCoreApplication::processEvents();
    EXPECT_EQ(http.requests.size(), 2);  // fetched today already
    clock.now = clock.now.addDays(1);
    QCoreApplication::sendEvent(&view, &focus);
    EXPECT_EQ(http.requests.size(), 2) << "queued behind the view's own focus handling";
    QCoreApplication::processEvents();
    EXPECT_EQ(band.Marquee().Band().ShownText(), "Next day");
    EXPECT_TRUE(prompts.messages.isEmpty());
}
