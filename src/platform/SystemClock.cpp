// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemClock.h"

QDateTime CSystemClock::Now() const { return QDateTime::currentDateTime(); }
