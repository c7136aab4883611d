// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "marquee/MarqueeTimer.h"

// Records starts and stops the way one real timer would see them.
class FakeMarqueeTimer : public IMarqueeTimer {
public:
    void Start(int intervalMilliseconds) override {
        // A start while running would leave a second timer behind.
        if (running)
            ++startsWhileRunning;
        ++starts;
        running = true;
        lastInterval = intervalMilliseconds;
    }
    void Stop() override {
        ++stops;
        running = false;
    }

    int starts = 0;
    int stops = 0;
    int startsWhileRunning = 0;
    int lastInterval = 0;
    bool running = false;
};
