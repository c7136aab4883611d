// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/LocaleDateOrder.h"

TEST(LocaleDateOrder, ReadsTheOrderOfTheShortFormat) {
    struct Case {
        const char* format;
        DateOrder order;
    };
    const Case cases[] = {
        {"dd/MM/yyyy", DateOrder::DayMonthYear}, {"d.M.yy", DateOrder::DayMonthYear},
        {"dd-MM-yyyy", DateOrder::DayMonthYear}, {"M/d/yy", DateOrder::MonthDayYear},
        {"MM/dd/yyyy", DateOrder::MonthDayYear}, {"yyyy-MM-dd", DateOrder::YearMonthDay},
        {"yy/M/d", DateOrder::YearMonthDay},     {"yyyy. MM. dd.", DateOrder::YearMonthDay},
        {"", DateOrder::MonthDayYear},           {"HH:mm", DateOrder::MonthDayYear},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CLocaleDateOrder::FromFormat(QLatin1String(c.format)), c.order) << c.format;
}
