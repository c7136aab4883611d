// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/DayStyle.h"

DayStyle ChooseDayStyle(const ViewColours& colours, bool isToday, int mark) {
    if (isToday)
        return {colours.todayText, colours.todayBackground, false};
    switch (mark) {
        case kMarkEntry:
            return {colours.entryText, colours.entryBackground, false};
        case kMarkHoliday:
            return {colours.holidayText, colours.holidayBackground, false};
        case kMarkBoth:
            return {colours.holidayText, colours.holidayBackground, true};
        default:
            return {colours.text, colours.background, false};
    }
}
