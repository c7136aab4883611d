#include <gtest/gtest.h>

#include <QTextStream>

#include "app/CalCommand.h"
#include "app/CommandLine.h"
#include "support/FakeClock.h"

namespace {
struct Captured {
    QString out;
    QString err;
    int status = -1;
};

Captured RunLine(const QStringList& arguments) {
    Captured result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = RunCommand(arguments, {out, err});
    out.flush();
    err.flush();
    return result;
}

Captured RunCal(const QStringList& arguments, const FakeClock& clock) {
    Captured result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = RunCalCommand(arguments, clock, {out, err});
    out.flush();
    err.flush();
    return result;
}
}  // namespace

TEST(CalCommand, PrintsMay2009) {
    const Captured run =
        RunLine({QStringLiteral("cal"), QStringLiteral("5"), QStringLiteral("2009")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.isEmpty());
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 9);  // eight lines and the empty rest after the last newline
    EXPECT_EQ(lines[0], QStringLiteral("       May 2009       "));
    EXPECT_EQ(lines[1], QStringLiteral(" Su Mo Tu We Th Fr Sa "));
    // Day 1 in the Friday cell (columns 15 to 17).
    EXPECT_EQ(lines[2].mid(15, 3), QStringLiteral("  1"));
    EXPECT_EQ(lines[7], QStringLiteral(" 31                   "));
    EXPECT_TRUE(lines[8].isEmpty());
}

TEST(CalCommand, WithoutArgumentsPrintsTheClocksMonth) {
    const FakeClock clock(QDateTime(QDate(2009, 2, 17), QTime(8, 0)));
    const Captured run = RunCal({}, clock);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("    February 2009     \n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("\n  1  2  3  4  5  6  7 \n")));
    EXPECT_EQ(run.out.count(QLatin1Char('\n')), 8);
}

TEST(CalCommand, BadArgumentsGiveOneLineAndStatusTwo) {
    const QList<QStringList> cases = {
        {QStringLiteral("5")},
        {QStringLiteral("5"), QStringLiteral("2009"), QStringLiteral("1")},
        {QStringLiteral("May"), QStringLiteral("2009")},
        {QStringLiteral("0"), QStringLiteral("2009")},
        {QStringLiteral("13"), QStringLiteral("2009")},
        {QStringLiteral("-1"), QStringLiteral("2009")},
        {QStringLiteral("+5"), QStringLiteral("2009")},
        {QStringLiteral(""), QStringLiteral("2009")},
        {QStringLiteral("5"), QStringLiteral("1583")},
        {QStringLiteral("5"), QStringLiteral("10000")},
        {QStringLiteral("5"), QStringLiteral("99999999999999999999")},
        {QStringLiteral("5"), QStringLiteral("20O9")},
        {QStringLiteral("5"), QStringLiteral("٢٠٠٩")},
    };
    const FakeClock clock;
    for (const QStringList& arguments : cases) {
        const Captured run = RunCal(arguments, clock);
        EXPECT_EQ(run.status, 2) << qPrintable(arguments.join(QLatin1Char(' ')));
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("plenda cal: ")));
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1);
        EXPECT_TRUE(run.err.endsWith(QLatin1Char('\n')));
    }
}

TEST(CalCommand, AcceptsTheEdgesOfTheRange) {
    const FakeClock clock;
    const Captured first = RunCal({QStringLiteral("1"), QStringLiteral("1584")}, clock);
    EXPECT_EQ(first.status, 0);
    EXPECT_TRUE(first.out.startsWith(QStringLiteral("     January 1584     \n")));
    // 1 January 1584 was a Sunday.
    EXPECT_TRUE(first.out.contains(QStringLiteral("\n  1  2  3  4  5  6  7 \n")));
    const Captured last = RunCal({QStringLiteral("12"), QStringLiteral("9999")}, clock);
    EXPECT_EQ(last.status, 0);
    EXPECT_TRUE(last.out.contains(QStringLiteral(" 31 ")));
    EXPECT_EQ(RunCal({QStringLiteral("05"), QStringLiteral("2009")}, clock).status, 0);
}

TEST(CommandLine, UsageNamesTheCalCommand) {
    const Captured run = RunLine({});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains(QStringLiteral("cal [MONTH YEAR]")));
    const Captured unknown = RunLine({QStringLiteral("nonsense")});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.startsWith(QStringLiteral("plenda: unknown command 'nonsense'")));
}
