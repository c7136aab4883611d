// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandArguments.h"

std::optional<int> ReadPlainNumber(const QString& text) {
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return text.toInt();
}
