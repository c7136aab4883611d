// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colour/ColourRef.h"

// The eight colours of the calendar page.
struct ViewColours {
    ColourRef text = 0;
    ColourRef background = 0;
    ColourRef todayText = 0;
    ColourRef todayBackground = 0;
    ColourRef entryText = 0;
    ColourRef entryBackground = 0;
    ColourRef holidayText = 0;
    ColourRef holidayBackground = 0;
};

// Day marks of the month entry index.
inline constexpr int kMarkNone = 0;
inline constexpr int kMarkEntry = 1;
inline constexpr int kMarkHoliday = 2;
inline constexpr int kMarkBoth = 3;

// How one day number is drawn.
struct DayStyle {
    ColourRef text = 0;
    ColourRef background = 0;
    bool bold = false;
    bool operator==(const DayStyle& other) const {
        return text == other.text && background == other.background && bold == other.bold;
    }
};

// First match wins: today, then an entry, then a holiday, then both (the
// holiday colours in bold); any other day keeps the page colours.
DayStyle ChooseDayStyle(const ViewColours& colours, bool isToday, int mark);
