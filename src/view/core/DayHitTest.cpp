// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/DayHitTest.h"

bool IsOnActiveRegion(const PageRegions& regions, PagePoint documentPoint) {
    const int x = documentPoint.x;
    const int y = documentPoint.y;
    return DayAtPoint(regions.cells, x, y) != 0 || regions.sponsorLine.Contains(x, y) ||
           regions.phoneLine.Contains(x, y);
}

bool MayDragWindow(const FrameDragState& frame, const PageRegions& regions,
                   PagePoint documentPoint) {
    if (frame.hasTitleBar || frame.maximized || frame.minimized)
        return false;
    return !IsOnActiveRegion(regions, documentPoint);
}
