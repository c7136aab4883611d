// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/core/PageGeometry.h"

// What a press at a document point can land on besides empty page.
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
