// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "marquee/MarqueeBand.h"

// The widget side of the band: measures with the marquee font and paints
// what the core has worked out.
class IMarqueeCanvas {
public:
    virtual ~IMarqueeCanvas() = default;
    // The text height in the marquee font and the window's sizes now; the
    // text width is left to TextWidth.
    virtual MarqueeMetrics Measure() const = 0;
    // The width of `text` in the marquee font.
    virtual int TextWidth(const QString& text) const = 0;
    // Paints the band (only the band) as the frame describes it.
    virtual void PaintBand(const MarqueeFrame& frame) = 0;
};
