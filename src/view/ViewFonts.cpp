// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewFonts.h"

#include <cstdlib>

namespace {
constexpr int kDefaultPixelSize = 11;
// Far beyond any screen or printer line; keeps a corrupt setting from asking
// the font engine for glyphs of absurd size.
constexpr int kMaxPixelSize = 2000;
}  // namespace

int FontPixelSize(int height) {
    if (height == 0)
        return kDefaultPixelSize;
    const long magnitude = std::labs(static_cast<long>(height));
    return static_cast<int>(std::min<long>(magnitude, kMaxPixelSize));
}

QFont MakeViewFont(const FontSpec& spec, FontStyle style) {
    QFont font(spec.face);
    font.setPixelSize(FontPixelSize(spec.height));
    font.setWeight(style == FontStyle::Regular ? QFont::Normal : QFont::ExtraBold);
    font.setItalic(style == FontStyle::Heading);
    font.setUnderline(false);
    return font;
}
