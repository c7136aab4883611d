// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/RectText.h"

#include <algorithm>

#include "settings/DecimalText.h"

namespace {
QString Field(int value) {
    const int clamped = std::clamp(value, kRectCoordinateMin, kRectCoordinateMax);
    if (clamped < 0)
        return QLatin1Char('-') + QString::number(-clamped).rightJustified(3, QLatin1Char('0'));
    return QString::number(clamped).rightJustified(4, QLatin1Char('0'));
}

int FieldAt(QStringView text, qsizetype position) {
    return position < text.size() ? ParseDecimal(text.mid(position)) : 0;
}
}  // namespace

QString FormatRectText(const RectValues& rect) {
    return Field(rect.left) + QLatin1Char(' ') + Field(rect.top) + QLatin1Char(' ') + Field(rect.right) +
           QLatin1Char(' ') + Field(rect.bottom);
}

RectValues ParseRectText(QStringView text) {
    return {FieldAt(text, 0), FieldAt(text, 5), FieldAt(text, 10), FieldAt(text, 15)};
}
