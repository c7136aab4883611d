// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/NavigationSteps.h"

ShownMonthYear StepBack(ShownMonthYear shown, bool yearView) {
    if (yearView) {
        shown.year = shown.year - 1 < kFirstShownYear ? kFirstShownYear : shown.year - 1;
        return shown;
    }
    if (shown.year <= kFirstShownYear && shown.month <= 1)
        return {1, kFirstShownYear};
    if (--shown.month < 1) {
        shown.month = 12;
        --shown.year;
    }
    return shown;
}

ShownMonthYear StepForward(ShownMonthYear shown, bool yearView) {
    if (yearView) {
        shown.year = shown.year + 1 > kLastShownYear ? kLastShownYear : shown.year + 1;
        return shown;
    }
    if (shown.year >= kLastShownYear && shown.month >= 12)
        return {12, kLastShownYear};
    if (++shown.month > 12) {
        shown.month = 1;
        ++shown.year;
    }
    return shown;
}
