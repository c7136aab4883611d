// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/RuleExpansion.h"

#include <QDate>
#include <cstdlib>

RuleStarts ExpandRule(const icalrecurrencetype& rule, const icaltimetype& dtstart,
                      const icaltimetype& from, const icaltimetype& until, int stepLimit) {
    RuleStarts result;
    IcalRecurIteratorPtr iterator(icalrecur_iterator_new(rule, dtstart));
    if (!iterator) {
        result.complete = false;
        return result;
    }
    // Skipping ahead saves walking the years before the window; a rule with
    // a count has to be walked from its start.
    if (rule.count == 0 && icaltime_compare(from, dtstart) > 0)
        icalrecur_iterator_set_start(iterator.get(), from);
    for (int step = 0;; ++step) {
        if (step >= stepLimit) {
            result.complete = false;
            break;
        }
        const icaltimetype next = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(next) || icaltime_compare(next, until) > 0)
            break;
        if (icaltime_compare(next, from) >= 0)
            result.starts.append(next);
    }
    return result;
}

namespace {
bool IsSet(const short* values) {
    return values[0] != ICAL_RECURRENCE_ARRAY_MAX;
}

// Days of a month in a leap year, so that 29 February counts as possible.
int DaysInMonth(int month) {
    return QDate(2024, month, 1).daysInMonth();
}
}  // namespace

bool CanOccur(const icalrecurrencetype& rule) {
    // Months of another calendar scale (a leap month, say) are libical's to
    // check; their days are not those of Gregorian months.
    if (!IsSet(rule.by_month) || !IsSet(rule.by_month_day) || (rule.rscale && *rule.rscale))
        return true;
    for (int m = 0; m < ICAL_BY_MONTH_SIZE && rule.by_month[m] != ICAL_RECURRENCE_ARRAY_MAX; ++m) {
        const int month = rule.by_month[m];
        if (month < 1 || month > 12)
            continue;
        for (int d = 0;
             d < ICAL_BY_MONTHDAY_SIZE && rule.by_month_day[d] != ICAL_RECURRENCE_ARRAY_MAX; ++d) {
            const int day = std::abs(rule.by_month_day[d]);
            if (day >= 1 && day <= DaysInMonth(month))
                return true;
        }
    }
    return false;
}

bool IsDailyOrCoarser(const icalrecurrencetype& rule) {
    switch (rule.freq) {
        case ICAL_DAILY_RECURRENCE:
        case ICAL_WEEKLY_RECURRENCE:
        case ICAL_MONTHLY_RECURRENCE:
        case ICAL_YEARLY_RECURRENCE:
            break;
        default:
            return false;
    }
    return rule.interval >= 1 && rule.count >= 0 && rule.by_hour[0] == ICAL_RECURRENCE_ARRAY_MAX &&
           rule.by_minute[0] == ICAL_RECURRENCE_ARRAY_MAX &&
           rule.by_second[0] == ICAL_RECURRENCE_ARRAY_MAX;
}
