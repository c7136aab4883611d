// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "support/FakeClock.h"
#include "support/RowName.h"
#include "view/core/SyncSchedule.h"

namespace {
// One step of a window's life: minutes pass, then something happens, and the
// schedule answers whether a sync starts, an error is told and the marks reload.
// The first three are the triggers, in the order of SyncTrigger.
enum class Event { Timer, Focus, Manual, Ok, Fail, Edit, EndEdit };
struct Step {
    int minutesLater;
    Event event;
    bool starts = false;
    bool tells = false;
    bool reloads = false;
};
struct Scenario {
    const char* name;
    int everyMinutes;
    std::vector<Step> steps;
};

class SyncScheduleTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(SyncScheduleTest, AnswersEachStep) {
    FakeClock clock;
    CSyncSchedule schedule(clock);
    schedule.SetEveryMinutes(GetParam().everyMinutes);
    int index = 0;
    for (const Step& step : GetParam().steps) {
        clock.now = clock.now.addSecs(step.minutesLater * 60);
        SyncFollowUp answer;
        const auto event = static_cast<int>(step.event);
        if (step.event <= Event::Manual)
            answer.startSync = schedule.Request(static_cast<SyncTrigger>(event));
        else if (step.event <= Event::Fail)
            answer = schedule.Finished(step.event == Event::Ok, QStringLiteral("refused"));
        else if (step.event == Event::Edit)
            schedule.BeginEditing();
        else
            answer = schedule.EndEditing();
        SCOPED_TRACE(::testing::Message() << "step " << index++);
        EXPECT_EQ(answer.startSync, step.starts);
        EXPECT_EQ(!answer.error.isEmpty(), step.tells);
        EXPECT_EQ(answer.reloadMarks, step.reloads);
    }
}

using E = Event;
INSTANTIATE_TEST_SUITE_P(
    Steps, SyncScheduleTest,
    ::testing::Values(
        Scenario{"OffSyncsOnlyOnRequest", 0, {{0, E::Timer}, {60, E::Focus}, {0, E::Manual, true}}},
        Scenario{"FirstCheckSyncsThenEveryN",
                 15,
                 {{0, E::Timer, true},
                  {0, E::Ok, false, false, true},
                  {14, E::Timer},
                  {0, E::Focus},
                  {1, E::Focus, true}}},
        Scenario{
            "NeverTwoAtATime",
            5,
            {{0, E::Manual, true}, {10, E::Timer}, {0, E::Manual}, {0, E::Ok, false, false, true}}},
        Scenario{"AutomaticFailureToldOnceUntilASuccess",
                 5,
                 {{0, E::Timer, true},
                  {0, E::Fail, false, true},
                  {5, E::Timer, true},
                  {0, E::Fail},
                  {5, E::Timer, true},
                  {0, E::Ok, false, false, true},
                  {5, E::Timer, true},
                  {0, E::Fail, false, true}}},
        Scenario{"RequestedFailureAlwaysTold",
                 5,
                 {{0, E::Timer, true},
                  {0, E::Fail, false, true},
                  {0, E::Manual, true},
                  {0, E::Fail, false, true}}},
        Scenario{"PostponedWhileEditing",
                 5,
                 {{0, E::Edit},
                  {0, E::Timer},
                  {0, E::Manual},
                  {3, E::EndEdit, true},
                  {0, E::Ok, false, false, true},
                  {0, E::EndEdit}}},
        Scenario{
            "MarksReloadAfterTheDialogCloses",
            5,
            {{0, E::Timer, true}, {0, E::Edit}, {0, E::Ok}, {1, E::EndEdit, false, false, true}}}),
    RowName());
}  // namespace
