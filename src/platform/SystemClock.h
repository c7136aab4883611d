#pragma once

#include "platform/Clock.h"

class CSystemClock : public IClock {
public:
    QDateTime Now() const override;
};
