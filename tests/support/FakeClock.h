// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

// A clock that shows whatever the test sets.
class FakeClock : public IClock {
public:
    explicit FakeClock(QDateTime now = QDateTime(QDate(2007, 3, 5), QTime(9, 16))) : now(now) {}
    QDateTime Now() const override { return now; }
    QDateTime now;
};
