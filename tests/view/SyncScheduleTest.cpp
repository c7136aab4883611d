// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include "support/FakeClock.h"
#include "support/RowName.h"
#include "view/core/SyncSchedule.h"

namespace {
// A window's life as steps "<minutes later><event><answers>", where the event
// is T(imer), F(ocus), M(anual request), O(k), X (failed), E(dit begins) or
// D(one editing), and the answers the schedule must give: s(ync starts),
// t(ells an error), r(eloads the marks); none given means none of them.
struct Scenario {
    const char* name;
    int everyMinutes;
    const char* steps;
};

class SyncScheduleTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(SyncScheduleTest, AnswersEachStep) {
    FakeClock clock;
    CSyncSchedule schedule(clock);
    schedule.SetEveryMinutes(GetParam().everyMinutes);
    for (const QString& step : QString::fromLatin1(GetParam().steps).split(' ')) {
        const qsizetype at = step.indexOf(QRegularExpression("[A-Z]"));
        clock.now = clock.now.addSecs(step.left(at).toInt() * 60);
        const QChar event = step[at];
        SyncFollowUp answer;
        if (QStringLiteral("TFM").contains(event))
            answer.startSync = schedule.Request(event == 'T'   ? SyncTrigger::Timer
                                                : event == 'F' ? SyncTrigger::Focus
                                                               : SyncTrigger::Manual);
        else if (event == 'O' || event == 'X')
            answer = schedule.Finished(event == 'O', QStringLiteral("refused"));
        else if (event == 'E')
            schedule.BeginEditing();
        else
            answer = schedule.EndEditing();
        const QString given = step.mid(at + 1);
        EXPECT_EQ(answer.startSync, given.contains('s')) << qPrintable(step);
        EXPECT_EQ(!answer.error.isEmpty(), given.contains('t')) << qPrintable(step);
        EXPECT_EQ(answer.reloadMarks, given.contains('r')) << qPrintable(step);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SyncScheduleTest,
    ::testing::Values(Scenario{"OffSyncsOnlyOnRequest", 0, "0T 60F 0Ms"},
                      Scenario{"FirstCheckSyncsThenEveryN", 15, "0Ts 0Or 14T 0F 1Fs"},
                      Scenario{"NeverTwoAtATimeARequestWaitsItsTurn", 5, "0Ms 10T 0M 0Ors 0Or"},
                      Scenario{"AutomaticFailureToldOnceUntilASuccess", 5,
                               "0Ts 0Xt 5Ts 0X 5Ts 0Or 5Ts 0Xt"},
                      Scenario{"RequestedFailureAlwaysTold", 5, "0Ts 0Xt 0Ms 0Xt"},
                      Scenario{"PostponedWhileEditing", 5, "0E 0T 0M 3Ds 0Or 0D"},
                      Scenario{"MarksReloadAfterTheDialogCloses", 5, "0Ts 0E 0O 1Dr"}),
    RowName());
}  // namespace
