#pragma once

#include <QDateTime>

// The local date and time, behind a seam so alarms and "today" can be tested.
class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime Now() const = 0;
};
