// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

#include "view/core/ViewSettings.h"

// The four fonts of the view differ only in weight and slant.
enum class FontStyle {
    Regular,  // weight 400: the grid and the year view
    Heading,  // weight 800, italic: sponsor and phone lines, the marquee
    Bold,     // weight 800: days that carry both an entry and a holiday
};

// A font height h is a pixel size of abs(h) (negative h: character height);
// 0 asks for the default size.
int FontPixelSize(int height);
QFont MakeViewFont(const FontSpec& spec, FontStyle style);
