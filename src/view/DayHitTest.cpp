#include "view/DayHitTest.h"

int DayIndexAt(const DayCellTable& cells, PagePoint documentPoint) {
    for (int index = 0; index < kDayCellCount; ++index) {
        if (cells[index].Contains(documentPoint.x, documentPoint.y))
            return index;
    }
    return -1;
}

bool IsOnActiveRegion(const PageRegions& regions, PagePoint documentPoint) {
    return DayIndexAt(regions.cells, documentPoint) >= 0 ||
           regions.sponsorLine.Contains(documentPoint.x, documentPoint.y) ||
           regions.phoneLine.Contains(documentPoint.x, documentPoint.y);
}

bool MayDragWindow(const FrameDragState& frame, const PageRegions& regions,
                   PagePoint documentPoint) {
    if (frame.hasTitleBar || frame.maximized || frame.minimized)
        return false;
    return !IsOnActiveRegion(regions, documentPoint);
}
