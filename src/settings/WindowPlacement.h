// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/RectText.h"

class CSettingsStore;

// How the main window was, or is to be, shown.
enum class ShowState { Normal, Maximized, Minimized };

// The main window's placement as section "Window size" keeps it.
struct WindowPlacement {
    RectValues normalRect;  // the normal-position rectangle (right, bottom exclusive)
    ShowState state = ShowState::Normal;
    bool restoreToMaximized = false;  // only meaningful when minimized
};

// Where a main window opens when nothing is stored: 490 x 390 at (10, 10).
inline constexpr RectValues kDefaultFrameRect{10, 10, 500, 400};

// Writes `Rect`, `icon` and `max`.
void SaveWindowPlacement(CSettingsStore& store, const WindowPlacement& placement);
// Reads them back; a missing `Rect` gives the default rectangle, missing
// `icon` and `max` give 0.
WindowPlacement LoadWindowPlacement(const CSettingsStore& store);

// The rectangle moved fully onto `screen` (both in device-independent pixels,
// right and bottom exclusive), shrunk first to the screen's size where larger,
// so a window saved on a bigger screen or at a smaller scale still fits.
RectValues FitOnScreen(const RectValues& rect, const RectValues& screen);
