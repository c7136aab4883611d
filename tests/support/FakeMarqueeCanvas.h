// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "marquee/MarqueeCanvas.h"

// A window of fixed size whose font makes every character `charWidth` pixels
// wide; records every painted frame and counts the texts measured.
class FakeMarqueeCanvas : public IMarqueeCanvas {
public:
    MarqueeMetrics Measure() const override { return window; }
    int TextWidth(const QString& text) const override {
        ++textsMeasured;
        return static_cast<int>(text.size()) * charWidth;
    }
    void PaintBand(const MarqueeFrame& frame) override { frames.append(frame); }

    MarqueeMetrics window{0, 16, 18, 400, 300, 380, 250};
    int charWidth = 10;
    QList<MarqueeFrame> frames;
    mutable int textsMeasured = 0;
};
