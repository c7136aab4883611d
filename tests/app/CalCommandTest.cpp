// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTextStream>

#include "app/CalCommand.h"
#include "app/CommandLine.h"
#include "support/CommandCapture.h"
#include "support/FakeClock.h"
#include "support/Golden.h"

namespace {
// The whole command line, as main() hands it over.
Captured RunLine(const QStringList& arguments) {
    return Capture([&](QTextStream& out, QTextStream& err) {
        return RunCommand(arguments, {out, err});
    });
}

Captured RunCal(const QStringList& arguments, const FakeClock& clock = FakeClock()) {
    return Capture([&](QTextStream& out, QTextStream& err) {
        return RunCalCommand(arguments, clock, {out, err});
    });
}

TEST(CalCommand, PrintsTheMonthTextOfTheNamedOrTheClocksMonthOrOneLineWhy) {
    const Captured may = RunLine({"cal", "5", "2009"});
    EXPECT_TRUE(may.status == 0 && may.err.isEmpty()) << may.err.toStdString();
    EXPECT_EQ(may.out, GoldenText("month-2009-05.txt"));
    EXPECT_EQ(RunCal({}, FakeClock(QDateTime(QDate(2009, 2, 17), QTime(8, 0)))).out,
              GoldenText("month-2009-02.txt"));
    EXPECT_EQ(RunCal({"1", "1584"}).out, GoldenText("month-1584-01.txt"));
    EXPECT_EQ(RunCal({"12", "9999"}).out, GoldenText("month-9999-12.txt"));
    EXPECT_EQ(RunCal({"05", "2009"}).status, 0);
    // The two switches, before and after the month.
    EXPECT_EQ(RunLine({"cal", "--week-numbers", "12", "2008", "--monday"}).out,
              GoldenText("month-2008-12-monday-weeks.txt"));
    // Bad arguments give one line and status 2.
    const QList<QStringList> cases = {{"5"},          {"5", "2009", "1"}, {"May", "2009"},
                                      {"13", "2009"}, {"+5", "2009"},     {"5", "1583"},
                                      {"5", "10000"}, {"5", "٢٠٠٩"}};
    for (const QStringList& arguments : cases) {
        const Captured run = RunCal(arguments);
        EXPECT_EQ(run.status, 2) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith("plenda cal: ") && run.err.count('\n') == 1 &&
                    run.err.endsWith('\n'));
    }
}

TEST(CommandLine, UsageNamesTheCommandsAndRefusesUnknownOnes) {
    const Captured usage = RunLine({});
    EXPECT_TRUE(usage.status == 0 && usage.out.contains("cal [MONTH YEAR]")) << usage.status;
    const Captured unknown = RunLine({"nonsense"});
    EXPECT_TRUE(unknown.status == 2 && unknown.err.startsWith("plenda: unknown command 'nonsense'"))
        << unknown.status << unknown.err.toStdString();
}
}  // namespace
