// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

// The local date and time, behind a seam so alarms and "today" can be tested.
class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime Now() const = 0;
};
