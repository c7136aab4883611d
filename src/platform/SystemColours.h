// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colour/ColourRef.h"

// The desktop's window and window-text colours, looked up at the time of the read.
class ISystemColours {
public:
    virtual ~ISystemColours() = default;
    virtual ColourRef WindowColour() const = 0;
    virtual ColourRef WindowTextColour() const = 0;
};

// What the core uses when no palette is at hand: black text on white.
class CDefaultSystemColours : public ISystemColours {
public:
    ColourRef WindowColour() const override { return Rgb(255, 255, 255); }
    ColourRef WindowTextColour() const override { return Rgb(0, 0, 0); }
};
