// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The timer interval the marquee really uses: the stored milliseconds, at
// least 1, since it is both a divisor and a timer period.
int EffectiveMarqueeSecs(int storedMilliseconds);

// The number of ticks of `marqueeSecs` milliseconds in one re-read period of
// the marquee file (`frequency` units of "Seconds", "Minutes" or "Hours").
// An unknown unit word leaves `previousLimit` as it was. The period is worked
// out in 64 bits and the result kept within 0 .. kMaxFileCheckTicks, so no
// setting can overflow or divide by zero.
int ComputeFileCheckTicks(int frequency, const QString& units, int marqueeSecs, int previousLimit);

// One below the int maximum, so the tick counter can always step past it.
inline constexpr int kMaxFileCheckTicks = 2147483646;
