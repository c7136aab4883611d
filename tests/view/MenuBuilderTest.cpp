// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "commands/CommandIds.h"
#include "view/MenuBuilder.h"

namespace {
QStringList VisibleTexts(const QWidget& menu) {
    QStringList texts;
    bool lastWasSeparator = true;  // leading separators are never shown
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator() && !lastWasSeparator)
            texts.append("-");
        else if (!action->isSeparator())
            texts.append(action->text());
        lastWasSeparator = action->isSeparator();
    }
    if (!texts.isEmpty() && texts.back() == "-")
        texts.removeLast();
    return texts;
}

TEST(MenuBuilder, ActionsCarryTheirCommandNameAndCheckMark) {
    QMenu menu;
    QList<int> triggered;
    AddMenuEntries(
        menu, ContextMenuTable(), [](int) { return true; }, [&](int id) { triggered.append(id); });
    auto* onTop = menu.findChild<QAction*>("command32777");
    ASSERT_NE(onTop, nullptr);
    EXPECT_EQ(onTop->text(), "Always On Top");
    EXPECT_EQ(onTop->data().toInt(), CommandId::AlwaysOnTop);
    onTop->trigger();
    FindCommandAction(menu, CommandId::PublicHolidayTextColour)->trigger();
    EXPECT_EQ(triggered, (QList<int>{CommandId::AlwaysOnTop, CommandId::PublicHolidayTextColour}));
    // Which flag checks which command is the menu table's rule.
    ApplyCheckMarks(menu, {false, true, false, false, false});
    EXPECT_FALSE(FindCommandAction(menu, CommandId::AlwaysOnTop)->isChecked());
    EXPECT_TRUE(FindCommandAction(menu, CommandId::YearView)->isChecked());
    EXPECT_FALSE(FindCommandAction(menu, CommandId::Fonts)->isCheckable());
}

TEST(MenuBuilder, CommandsNotOfferedAreLeftOutWithTheirSeparatorsAndEmptyPopups) {
    QMenu menu;
    const QList<int> missing{CommandId::NewDiaryEntry, CommandId::EditDiary, CommandId::CheckDiary,
                             CommandId::FileOpen};
    const auto offered = [&](int id) { return !missing.contains(id); };
    AddMenuEntries(menu, ContextMenuTable(), offered, [](int) {});
    for (int id : missing) EXPECT_EQ(FindCommandAction(menu, id), nullptr) << id;
    EXPECT_EQ(VisibleTexts(menu).mid(5, 6),
              (QStringList{"Options", "-", "Always On Top", "No Menu", "-", "Print Setup"}));
    QMenuBar bar;
    AddMenuEntries(bar, MainMenuTable(), offered, [](int) {});
    EXPECT_EQ(VisibleTexts(bar),
              (QStringList{"&File", "&Config", "&Prev", "&Next", "&This", "&Help"}));
}
}  // namespace
