#include "platform/SystemClock.h"

QDateTime CSystemClock::Now() const { return QDateTime::currentDateTime(); }
