// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "marquee/MarqueeBand.h"
#include "support/RowName.h"

namespace {
constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

// A client area over a page of 380 x 250, a text 16 pixels high.
MarqueeMetrics Window(int textWidth, int clientWidth = 400, int clientHeight = 300) {
    return MarqueeMetrics{textWidth, 16, 18, clientWidth, clientHeight, 380, 250};
}

// The pending text takes over only at a wrap-around, and only with a file.
TEST(MarqueeBand, BandIsTheLastTextHeightAndPendingTextWaitsForTheWrapAround) {
    // client height: band top
    const std::pair<int, int> cases[] = {{300, 284}, {282, 266}, {281, 266}, {100, 266}, {0, 266}};
    for (const auto& [height, top] : cases)
        EXPECT_EQ(CMarqueeBand::BandTopFor(Window(50, 400, height)), top) << height;
    CMarqueeBand band;
    band.SetShownText("A");
    const MarqueeFrame frame = band.Step(Window(50, 200), 1, false);
    EXPECT_EQ(frame.band, QRect(0, 284, 200, 16));
    // Client width plus the distance to the page width.
    EXPECT_EQ(frame.opaque, QRect(0, 284, 380, 18));
    EXPECT_EQ(frame.textY, 284);
    EXPECT_EQ(band.BandRect(), frame.band);
    band.SetPendingText("B");
    band.SetX(100);
    EXPECT_EQ(band.Step(Window(50), 1, true).text, "A");
    band.SetX(-50);
    EXPECT_EQ(band.Step(Window(50), 1, false).text, "A") << "no file: no takeover";
    band.SetX(-50);
    EXPECT_EQ(band.Step(Window(50), 1, true).text, "B");
    // Rightward: placed by the width of the old text, then moved by one tick.
    band.SetPendingText("Longer text");
    band.SetX(401);
    const MarqueeFrame rightward = band.Step(Window(10), -1, true);
    EXPECT_EQ(rightward.textX, -9);
    EXPECT_EQ(rightward.text, "Longer text");
}

// One tick from a start position: where the text is drawn next.
struct MotionRow {
    const char* name;
    int textWidth, clientWidth, startX, slide, x;
};

class MarqueeMotion : public ::testing::TestWithParam<MotionRow> {};

TEST_P(MarqueeMotion, MovesAndWrapsAtTheRunWidth) {
    const MotionRow& r = GetParam();
    CMarqueeBand band;
    band.SetX(r.startX);
    EXPECT_EQ(band.Step(Window(r.textWidth, r.clientWidth), r.slide, false).textX, r.x);
}

INSTANTIATE_TEST_SUITE_P(
    MarqueeBand, MarqueeMotion,
    ::testing::Values(MotionRow{"FromTheLeftEdge", 50, 400, 0, 1, -1},
                      MotionRow{"RightEndPassedTheLeftEdge", 50, 400, -50, 1, 400},
                      MotionRow{"StillVisibleByItsLastPixel", 50, 400, -49, 1, -50},
                      MotionRow{"RightwardSlide", 50, 400, 0, -3, 3},
                      MotionRow{"RightwardInsideTheRun", 50, 400, 400, -3, 403},
                      MotionRow{"RightwardPastTheRun", 50, 400, 403, -3, -47},
                      MotionRow{"ZeroSlideHoldsStill", 50, 400, 120, 0, 120},
                      MotionRow{"NarrowWindowRunsAcrossThePage", 30, 150, -31, 1, 380},
                      MotionRow{"HugeSlide", 50, 400, -10, kMax, 400},
                      MotionRow{"HugeNegativeSlideClamps", 50, 400, 10, kMin, kMax},
                      MotionRow{"FromTheClampedMaximum", 50, 400, kMax, 1, 400}),
    RowName());

}  // namespace
