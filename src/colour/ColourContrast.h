// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colour/ColourRef.h"

// How far apart two colours are for the eye, as the web's accessibility
// guidelines measure it: 1 for the same colour, 21 for black on white.
double ContrastRatio(ColourRef first, ColourRef second);

// Text needs this much contrast with its background to be read with ease.
inline constexpr double kReadableContrast = 4.5;

// The colour itself when it already reaches `ratio` against `background`;
// otherwise the least mix of it with black or white (whichever stands
// further from the background) that does, so its hue stays recognisable.
ColourRef ReadableOn(ColourRef colour, ColourRef background, double ratio = kReadableContrast);
