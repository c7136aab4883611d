// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "interop/LocalTimes.h"

// The date pattern that gives exactly the local days a recurring event's one
// rule gives, at one local time of day: yearly on a date, monthly on a day,
// daily, limited to months or to a run of years. Checked by expanding the
// rule with libical and comparing day by day; an endless rule is compared
// over its first four years, and its pattern is cut to start on the first
// day: exact dates for the rest of the first month (or a pattern for that
// month when it starts on the month's first such day), one pattern for each
// later month of the first year, then patterns of whole years, decades,
// centuries and millennia. Empty when no pattern gives the same days.
QStringList PatternForRule(const icalrecurrencetype& rule, const icaltimetype& dtstart,
                           icaltimezone* localZone);
