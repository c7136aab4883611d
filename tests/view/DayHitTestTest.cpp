// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "view/core/DayHitTest.h"

namespace {
class DayHitTestTest : public ::testing::Test {
protected:
    DayHitTestTest() {
        // Two days side by side, 20 x 10 pixels each.
        cells[32] = PageRect{100, 50, 120, 60};
        cells[33] = PageRect{120, 50, 140, 60};
    }
    DayCellTable cells{};
    PageRect sponsor{10, 0, 210, 15};
    PageRect phone{10, 300, 210, 315};
    PageRegions Regions() const { return {cells, sponsor, phone}; }
};
}  // namespace

TEST_F(DayHitTestTest, DragStartsOnlyOnEmptySpaceOfACaptionlessNormalWindow) {
    const FrameDragState captionless{false, false, false};
    EXPECT_TRUE(MayDragWindow(captionless, Regions(), {50, 100}));
    EXPECT_FALSE(MayDragWindow(captionless, Regions(), {105, 55}));  // a day
    EXPECT_FALSE(MayDragWindow(captionless, Regions(), {50, 5}));    // sponsor line
    EXPECT_FALSE(MayDragWindow(captionless, Regions(), {50, 305}));  // phone line
    EXPECT_TRUE(MayDragWindow(captionless, Regions(), {50, 315}));   // just below it

    EXPECT_FALSE(MayDragWindow({true, false, false}, Regions(), {50, 100}));
    EXPECT_FALSE(MayDragWindow({false, true, false}, Regions(), {50, 100}));
    EXPECT_FALSE(MayDragWindow({false, false, true}, Regions(), {50, 100}));
}
