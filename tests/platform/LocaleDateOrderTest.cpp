// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/LocaleDateOrder.h"

TEST(LocaleDateOrder, ReadsTheOrderOfTheShortFormat) {
    const std::pair<const char*, DateOrder> cases[] = {
        {"dd/MM/yyyy", DateOrder::DayMonthYear}, {"d.M.yy", DateOrder::DayMonthYear},
        {"dd-MM-yyyy", DateOrder::DayMonthYear}, {"M/d/yy", DateOrder::MonthDayYear},
        {"MM/dd/yyyy", DateOrder::MonthDayYear}, {"yyyy-MM-dd", DateOrder::YearMonthDay},
        {"yy/M/d", DateOrder::YearMonthDay},     {"yyyy. MM. dd.", DateOrder::YearMonthDay},
        {"", DateOrder::MonthDayYear},           {"HH:mm", DateOrder::MonthDayYear},
    };
    for (const auto& [format, order] : cases)
        EXPECT_EQ(CLocaleDateOrder::FromFormat(QLatin1String(format)), order) << format;
}
