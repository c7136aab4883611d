// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "platform/DateOrder.h"

// The order of day, month and year in the system locale's short date format.
class CLocaleDateOrder : public IDateOrder {
public:
    DateOrder Current() const override;
    // The order a short-date format text such as "dd/MM/yyyy" puts its fields in.
    static DateOrder FromFormat(const QString& format);
};
