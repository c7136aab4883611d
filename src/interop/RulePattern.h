// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "interop/LocalTimes.h"

// The date pattern that gives exactly the local days a recurring event's one
// rule gives, at one local time of day: yearly on a date, monthly on a day,
// daily, limited to months or to a run of years. Checked by expanding the
// rule with libical and comparing day by day; an endless rule is compared
// over its first four years. Empty when no pattern gives the same days.
QString PatternForRule(const icalrecurrencetype& rule, const icaltimetype& dtstart,
                       icaltimezone* localZone);
