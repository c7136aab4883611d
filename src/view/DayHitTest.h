#pragma once

#include <array>

#include "view/PageGeometry.h"

// The drawing leaves one rectangle per day of year (index 1..366; index 0 is
// never drawn) in document coordinates; an empty rectangle is a day not on show.
inline constexpr int kDayCellCount = 367;
using DayCellTable = std::array<PageRect, kDayCellCount>;

// The first index whose cell holds the document point, or -1.
int DayIndexAt(const DayCellTable& cells, PagePoint documentPoint);

// What a press at a document point lands on.
struct PageRegions {
    const DayCellTable& cells;
    PageRect sponsorLine;
    PageRect phoneLine;
};
bool IsOnActiveRegion(const PageRegions& regions, PagePoint documentPoint);

// The frame's state as far as dragging by the calendar's face is concerned.
struct FrameDragState {
    bool hasTitleBar = true;
    bool maximized = false;
    bool minimized = false;
};

// A press drags the window only when it has no title bar to drag it by, is
// not maximized or minimized, and the press is on no day and on neither line.
bool MayDragWindow(const FrameDragState& frame, const PageRegions& regions,
                   PagePoint documentPoint);
