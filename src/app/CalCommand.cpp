// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CalCommand.h"

#include "app/CommandArguments.h"
#include "app/CommandOptions.h"
#include "calendar/MonthText.h"
#include "platform/Clock.h"

namespace {
int Refuse(CommandStreams streams, const QString& why) {
    streams.err << "plenda cal: " << why << "\n";
    streams.err.flush();
    return kBadArguments;
}

void PrintMonth(int month, int year, const WeekLayout& layout, QTextStream& out) {
    MonthTextBlock block;
    BuildMonthText(month, year, block, layout);
    for (int row = 0; row < kMonthTextRows; ++row)
        out << QLatin1String(MonthTextLine(block, row), MonthTextWidth(layout)) << "\n";
    out.flush();
}
}  // namespace

// `--diary` is accepted as by every command; the month text shows no entries.
int RunCalCommand(const QStringList& arguments, const IClock& clock, CommandStreams streams) {
    const CCommandOptions options(
        arguments, {{QStringLiteral("--monday")}, {QStringLiteral("--week-numbers")}});
    if (!options.Error().isEmpty())
        return Refuse(streams, options.Error());
    QString error;
    const std::optional<MonthYear> shown =
        ReadMonthYear(options.Positionals(), clock.Now().date(), error);
    if (!shown)
        return Refuse(streams, error);
    WeekLayout layout;
    layout.firstWeekday = options.Has(QStringLiteral("--monday")) ? 1 : 0;
    layout.weekNumbers = options.Has(QStringLiteral("--week-numbers"));
    layout.names = CCalendarNames::ForInterface(QLocale::system());
    PrintMonth(shown->month, shown->year, layout, streams.out);
    return kCommandDone;
}
