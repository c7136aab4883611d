// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

class CSystemClock : public IClock {
public:
    QDateTime Now() const override;
};
