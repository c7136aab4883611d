// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SystemColours.h"

// The desktop's colours from the application palette.
class CQtSystemColours : public ISystemColours {
public:
    ColourRef WindowColour() const override;
    ColourRef WindowTextColour() const override;
};
