// SPDX-License-Identifier: GPL-3.0-or-later
#include "marquee/MarqueeTicks.h"

#include <algorithm>
#include <optional>

#include "settings/SettingsKeys.h"

namespace {

std::optional<qint64> MillisecondsPerUnit(const QString& units) {
    if (units == QLatin1String(UnitWord::Seconds))
        return 1000;
    if (units == QLatin1String(UnitWord::Minutes))
        return 60 * 1000;
    if (units == QLatin1String(UnitWord::Hours))
        return 60 * 60 * 1000;
    return std::nullopt;
}

}  // namespace

int EffectiveMarqueeSecs(int storedMilliseconds) {
    return std::max(storedMilliseconds, 1);
}

int ComputeFileCheckTicks(int frequency, const QString& units, int marqueeSecs, int previousLimit) {
    const std::optional<qint64> unitMilliseconds = MillisecondsPerUnit(units);
    if (!unitMilliseconds)
        return previousLimit;
    // int times at most 3,600,000 fits easily in 64 bits.
    const qint64 periodMilliseconds = static_cast<qint64>(frequency) * *unitMilliseconds;
    const qint64 ticks = periodMilliseconds / EffectiveMarqueeSecs(marqueeSecs);
    return static_cast<int>(std::clamp<qint64>(ticks, 0, kMaxFileCheckTicks));
}
