// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A 32-bit RGB colour: red in the low byte, then green, then blue; top byte 0.
// This is how colours are stored in the settings.
using ColourRef = std::uint32_t;

constexpr ColourRef Rgb(int red, int green, int blue) {
    return static_cast<ColourRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(ColourRef c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColourRef c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColourRef c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
