// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CalCommand.h"

#include <optional>

#include "app/CommandArguments.h"
#include "calendar/MonthText.h"
#include "platform/Clock.h"

namespace {
constexpr int kBadArguments = 2;
constexpr int kFirstYear = 1584;
// The diary keys hold four-digit years; later years have no use here.
constexpr int kLastYear = 9999;

int Refuse(CommandStreams streams, const QString& why) {
    streams.err << "plenda cal: " << why << "\n";
    streams.err.flush();
    return kBadArguments;
}

void PrintMonth(int month, int year, QTextStream& out) {
    MonthTextBlock block;
    BuildMonthText(month, year, block);
    for (int row = 0; row < kMonthTextRows; ++row)
        out << QLatin1String(MonthTextLine(block, row), kMonthTextWidth) << "\n";
    out.flush();
}
}  // namespace

int RunCalCommand(const QStringList& arguments, const IClock& clock, CommandStreams streams) {
    if (arguments.isEmpty()) {
        const QDate today = clock.Now().date();
        PrintMonth(today.month(), today.year(), streams.out);
        return 0;
    }
    if (arguments.size() != 2)
        return Refuse(streams, QStringLiteral("give both MONTH and YEAR, or neither"));
    const std::optional<int> month = ReadPlainNumber(arguments[0]);
    if (!month || *month < 1 || *month > 12)
        return Refuse(
            streams,
            QStringLiteral("MONTH must be a number from 1 to 12, not '%1'").arg(arguments[0]));
    const std::optional<int> year = ReadPlainNumber(arguments[1]);
    if (!year || *year < kFirstYear || *year > kLastYear)
        return Refuse(streams, QStringLiteral("YEAR must be a number from %1 to %2, not '%3'")
                                   .arg(kFirstYear)
                                   .arg(kLastYear)
                                   .arg(arguments[1]));
    PrintMonth(*month, *year, streams.out);
    return 0;
}
