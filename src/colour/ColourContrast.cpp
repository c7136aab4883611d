// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/ColourContrast.h"

#include <algorithm>
#include <cmath>

namespace {
double LinearChannel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(ColourRef colour) {
    return 0.2126 * LinearChannel(RedOf(colour)) + 0.7152 * LinearChannel(GreenOf(colour)) +
           0.0722 * LinearChannel(BlueOf(colour));
}

int MixChannel(int from, int to, double share) {
    return static_cast<int>(std::lround(from + (to - from) * share));
}

ColourRef Mix(ColourRef colour, ColourRef target, double share) {
    return Rgb(MixChannel(RedOf(colour), RedOf(target), share),
               MixChannel(GreenOf(colour), GreenOf(target), share),
               MixChannel(BlueOf(colour), BlueOf(target), share));
}

constexpr int kMixSteps = 64;
}  // namespace

double ContrastRatio(ColourRef first, ColourRef second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

ColourRef ReadableOn(ColourRef colour, ColourRef background, double ratio) {
    const ColourRef black = Rgb(0, 0, 0);
    const ColourRef white = Rgb(255, 255, 255);
    const ColourRef target =
        ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
    for (int step = 0; step < kMixSteps; ++step) {
        const ColourRef mixed = Mix(colour, target, static_cast<double>(step) / kMixSteps);
        if (ContrastRatio(mixed, background) >= ratio)
            return mixed;
    }
    return target;
}
