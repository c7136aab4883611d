// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "interop/IcalHandles.h"

// The starts a recurrence rule gives from `dtstart` that lie from `from` to
// `until` (compared as instants), found by libical's iterator in at most
// `stepLimit` steps. `complete` is false when the limit cut the search short
// or the rule cannot be iterated.
struct RuleStarts {
    QList<icaltimetype> starts;
    bool complete = true;
};

RuleStarts ExpandRule(const icalrecurrencetype& rule, const icaltimetype& dtstart,
                      const icaltimetype& from, const icaltimetype& until, int stepLimit);

// A rule that iterates in whole days or coarser, once a day at most, and has
// a sound interval and count.
bool IsDailyOrCoarser(const icalrecurrencetype& rule);

// False for a rule whose months never hold its days of the month (30
// February): libical searches centuries for such a rule's next start.
bool CanOccur(const icalrecurrencetype& rule);
