// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/PageZoom.h"

#include <algorithm>

int FitPixelSize(PageSize client, PageSize natural, int pixelSize) {
    if (natural.width <= 0 || natural.height <= 0 || client.width <= 0 || client.height <= 0)
        return pixelSize;
    // Integer arithmetic rounding down, so the fitted page never overflows
    // through rounding alone.
    const long long byWidth = static_cast<long long>(pixelSize) * client.width / natural.width;
    const long long byHeight = static_cast<long long>(pixelSize) * client.height / natural.height;
    const long long fitted = std::min(byWidth, byHeight);
    return static_cast<int>(std::clamp<long long>(fitted, kSmallestZoomPixels, kLargestZoomPixels));
}

int ZoomedFontHeight(ZoomStep step, int storedHeight, int shownPixels, int defaultHeight) {
    if (step == ZoomStep::Default)
        return defaultHeight;
    const int pixels = std::clamp(shownPixels + (step == ZoomStep::Larger ? 1 : -1),
                                  kSmallestZoomPixels, kLargestZoomPixels);
    return storedHeight < 0 ? -pixels : pixels;
}
