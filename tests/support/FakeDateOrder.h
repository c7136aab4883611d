// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DateOrder.h"

class FakeDateOrder : public IDateOrder {
public:
    explicit FakeDateOrder(DateOrder order = DateOrder::DayMonthYear) : order(order) {}
    DateOrder Current() const override { return order; }
    DateOrder order;
};
