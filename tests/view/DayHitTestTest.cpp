// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "view/core/DayHitTest.h"

// "D" where a drag may start, "-" where not: a captionless normal window at
// empty space, a day, the sponsor line, the phone line and just below it;
// then at empty space with a title bar, maximized and minimized.
TEST(DayHitTest, DragStartsOnlyOnEmptySpaceOfACaptionlessNormalWindow) {
    // Two days side by side, 20 x 10 pixels each, and the two lines.
    DayCellTable cells{};
    cells[32] = PageRect{100, 50, 120, 60};
    cells[33] = PageRect{120, 50, 140, 60};
    const PageRegions regions{cells, PageRect{10, 0, 210, 15}, PageRect{10, 300, 210, 315}};
    const PagePoint points[] = {{50, 100}, {105, 55}, {50, 5}, {50, 305}, {50, 315}};
    const FrameDragState frames[] = {
        {true, false, false}, {false, true, false}, {false, false, true}};
    QString drags;
    for (const PagePoint at : points)
        drags += MayDragWindow({false, false, false}, regions, at) ? 'D' : '-';
    for (const FrameDragState frame : frames)
        drags += MayDragWindow(frame, regions, {50, 100}) ? 'D' : '-';
    EXPECT_EQ(drags.toStdString(), "D---D---");
}
