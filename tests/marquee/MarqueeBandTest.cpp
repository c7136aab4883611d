#include <gtest/gtest.h>

#include <limits>

#include "marquee/MarqueeBand.h"

namespace {

// A client area of 400 x 300 over a page of 380 x 250, a text 16 pixels high.
MarqueeMetrics Window(int textWidth, int clientWidth = 400, int clientHeight = 300,
                      int pageWidth = 380, int pageHeight = 250) {
    return MarqueeMetrics{textWidth, 16, 18, clientWidth, clientHeight, pageWidth, pageHeight};
}

}  // namespace

TEST(MarqueeBandGeometry, BandIsTheLastTextHeightWhenTheClientIsTallEnough) {
    EXPECT_EQ(CMarqueeBand::BandTopFor(Window(50, 400, 300, 380, 250)), 284);
    // Exactly two text heights taller than the page.
    EXPECT_EQ(CMarqueeBand::BandTopFor(Window(50, 400, 282, 380, 250)), 266);
}

TEST(MarqueeBandGeometry, BandLiesOneTextHeightBelowAShortClientsPage) {
    EXPECT_EQ(CMarqueeBand::BandTopFor(Window(50, 400, 281, 380, 250)), 266);
    EXPECT_EQ(CMarqueeBand::BandTopFor(Window(50, 400, 100, 380, 250)), 266);
    EXPECT_EQ(CMarqueeBand::BandTopFor(Window(50, 400, 0, 380, 250)), 266);
}

TEST(MarqueeBandGeometry, FrameCoversTheClientWidthAndFillsPastANarrowWindow) {
    CMarqueeBand band;
    band.SetShownText("Hello");
    const MarqueeFrame frame = band.Step(Window(50, 200, 300, 380, 250), 1, false);
    EXPECT_EQ(frame.band, QRect(0, 284, 200, 16));
    // Client width plus the distance to the page width.
    EXPECT_EQ(frame.opaque, QRect(0, 284, 380, 18));
    EXPECT_EQ(frame.textY, 284);
    EXPECT_EQ(frame.text, "Hello");
    EXPECT_EQ(band.BandRect(), frame.band);
    EXPECT_EQ(band.BandTop(), 284);
}

TEST(MarqueeBandMotion, PositiveSlideRunsLeftAndReentersAtTheRunWidth) {
    CMarqueeBand band;
    const MarqueeMetrics m = Window(50);
    EXPECT_EQ(band.Step(m, 1, false).textX, -1);  // starts at the left edge
    band.SetX(-50);
    EXPECT_EQ(band.Step(m, 1, false).textX, 400);  // right end passed the left edge
    band.SetX(-49);
    EXPECT_EQ(band.Step(m, 1, false).textX, -50);  // still visible by its last pixel
}

TEST(MarqueeBandMotion, NegativeSlideRunsRightAndReentersFromTheLeft) {
    CMarqueeBand band;
    const MarqueeMetrics m = Window(50);
    EXPECT_EQ(band.Step(m, -3, false).textX, 3);
    band.SetX(400);
    EXPECT_EQ(band.Step(m, -3, false).textX, 403);
    // Past the run width: back with its right edge at the band's left edge.
    EXPECT_EQ(band.Step(m, -3, false).textX, -47);
}

TEST(MarqueeBandMotion, ZeroSlideHoldsTheTextStill) {
    CMarqueeBand band;
    band.SetX(120);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(band.Step(Window(50), 0, false).textX, 120);
}

TEST(MarqueeBandMotion, NarrowWindowRunsTheTextAcrossThePageWidth) {
    CMarqueeBand band;
    band.SetX(-31);
    // Run width is the page's 380, not the client's 150.
    EXPECT_EQ(band.Step(Window(30, 150, 300, 380, 250), 1, false).textX, 380);
}

TEST(MarqueeBandMotion, ExtremeSlidesDoNotOverflow) {
    CMarqueeBand band;
    band.SetX(-10);
    EXPECT_EQ(band.Step(Window(50), std::numeric_limits<int>::max(), false).textX, 400);
    band.SetX(10);
    // Clamped at the int maximum; the next tick finds it past the run width,
    // puts it before the left edge, and moving left wraps it to the right.
    EXPECT_EQ(band.Step(Window(50), std::numeric_limits<int>::min(), false).textX,
              std::numeric_limits<int>::max());
    EXPECT_EQ(band.Step(Window(50), 1, false).textX, 400);
}

TEST(MarqueeBandText, PendingTextTakesOverOnlyAtAWrapAroundAndOnlyWithAFile) {
    CMarqueeBand band;
    band.SetShownText("A");
    band.SetPendingText("B");
    band.SetX(100);
    EXPECT_EQ(band.Step(Window(50), 1, true).text, "A");
    band.SetX(-50);
    EXPECT_EQ(band.Step(Window(50), 1, true).text, "B");

    band.SetShownText("A");
    band.SetX(-50);
    EXPECT_EQ(band.Step(Window(50), 1, false).text, "A");  // no file: no takeover
}

TEST(MarqueeBandText, RightwardWrapAlsoTakesThePendingTextOver) {
    CMarqueeBand band;
    band.SetShownText("A");
    band.SetPendingText("Longer text");
    band.SetX(401);
    const MarqueeFrame frame = band.Step(Window(10), -1, true);
    // Placed by the width of the old text, then moved by one tick.
    EXPECT_EQ(frame.textX, -9);
    EXPECT_EQ(frame.text, "Longer text");
}
