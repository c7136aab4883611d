// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// A rectangle as stored in the settings: "%04d %04d %04d %04d", 19 characters.
struct RectValues {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

inline constexpr int kRectCoordinateMin = -999;
inline constexpr int kRectCoordinateMax = 9999;

// Coordinates outside -999..9999 do not fit the four-character fields; they are
// clamped so that the text keeps its fixed layout.
QString FormatRectText(const RectValues& rect);
// Reads the numbers at the fixed positions 0, 5, 10 and 15.
RectValues ParseRectText(QStringView text);
