// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The view's one repeating marquee timer. The marquee decides when it runs;
// the view owns the real timer and turns each expiry into CMarquee::Tick.
class IMarqueeTimer {
public:
    virtual ~IMarqueeTimer() = default;
    // Starts (or restarts) the timer with the given period in milliseconds.
    virtual void Start(int intervalMilliseconds) = 0;
    virtual void Stop() = 0;
};
