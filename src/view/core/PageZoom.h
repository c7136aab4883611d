// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/core/PageGeometry.h"

// The page's font size as the user zooms it, and as it fits the window.
// Sizes are pixel sizes; stored heights keep their sign (FontSize's negative
// heights are character heights).

inline constexpr int kSmallestZoomPixels = 4;
inline constexpr int kLargestZoomPixels = 500;

// The pixel size at which a page that measures `natural` in `pixelSize`
// fills `client` without overflowing either way; the page scales with its
// font. Unchanged when either size is empty.
int FitPixelSize(PageSize client, PageSize natural, int pixelSize);

enum class ZoomStep { Larger, Smaller, Default };
// The stored height after one zoom step from a page drawn at `shownPixels`:
// one pixel larger or smaller (keeping the sign of `storedHeight`, within
// the bounds above), or `defaultHeight` again.
int ZoomedFontHeight(ZoomStep step, int storedHeight, int shownPixels, int defaultHeight);
