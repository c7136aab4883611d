// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "commands/CommandIds.h"
#include "view/MenuBuilder.h"

namespace {
// Which flag checks which command is the menu table's rule, and that the
// actions run their command and take their marks the frame's and the view's
// menu tests'; QMenu itself hides the separators that end up doubled,
// leading or trailing.
TEST(MenuBuilder, ActionsCarryTheirCommandNameTextAndSeparatorsAndRunTheirCommand) {
    QMenu menu;
    QList<int> run;
    AddMenuEntries(
        menu, ContextMenuTable(), [](int) { return true; }, [&run](int id) { run << id; });
    auto* onTop = menu.findChild<QAction*>("command32777");
    ASSERT_NE(onTop, nullptr);
    EXPECT_EQ(onTop->text() + ' ' + onTop->data().toString(), "Always On Top 32777");
    EXPECT_TRUE(onTop->isCheckable() && !FindCommandAction(menu, CommandId::Fonts)->isCheckable());
    const QList<QAction*> actions = menu.actions();
    EXPECT_EQ(
        std::count_if(actions.begin(), actions.end(), [](QAction* a) { return a->isSeparator(); }),
        8);
    // The context menu runs the File menu's calendar commands too.
    const QList<int> calendar{CommandId::ImportCalendar, CommandId::ExportCalendar,
                              CommandId::SynchroniseNow};
    for (const int id : calendar) QMetaObject::invokeMethod(FindCommandAction(menu, id), "trigger");
    EXPECT_EQ(run, calendar);
}

TEST(MenuBuilder, CommandsNotOfferedAreLeftOutAndSoArePopupsLeftEmpty) {
    const QList<int> missing{CommandId::NewDiaryEntry, CommandId::EditDiary, CommandId::CheckDiary,
                             CommandId::FileOpen};
    QMenuBar bar;
    AddMenuEntries(
        bar, MainMenuTable(), [&](int id) { return !missing.contains(id); }, [](int) {});
    EXPECT_EQ(FindCommandAction(bar, CommandId::FileOpen), nullptr);
    QStringList texts;
    for (const QAction* action : bar.actions()) texts.append(action->text());
    EXPECT_EQ(texts, (QStringList{"&File", "&Config", "&Prev", "&Next", "&This", "&Help"}));
}
}  // namespace
