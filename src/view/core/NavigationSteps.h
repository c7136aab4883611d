// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The month and year on show, as Prev and Next step them.
struct ShownMonthYear {
    int month = 1;
    int year = 1585;
};

// The earliest year Prev reaches: the date library has no dates before 1584,
// and a year view of 1584 would need the year before it for nothing.
inline constexpr int kFirstShownYear = 1585;
// The last year Next reaches: four-digit years keep the titles and the
// date keys in their fixed widths.
inline constexpr int kLastShownYear = 9999;

// Year view steps whole years and leaves the month alone; month view steps
// months across year ends. Neither goes outside the two bounds above.
ShownMonthYear StepBack(ShownMonthYear shown, bool yearView);
ShownMonthYear StepForward(ShownMonthYear shown, bool yearView);
