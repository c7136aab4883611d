#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "commands/CommandIds.h"
#include "view/MenuBuilder.h"

namespace {
QStringList VisibleTexts(const QMenu& menu) {
    QStringList texts;
    bool lastWasSeparator = true;  // leading separators are never shown
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            if (!lastWasSeparator)
                texts.append("-");
            lastWasSeparator = true;
        } else {
            texts.append(action->text());
            lastWasSeparator = false;
        }
    }
    if (!texts.isEmpty() && texts.back() == "-")
        texts.removeLast();
    return texts;
}
}  // namespace

TEST(MenuBuilder, ActionsCarryTheirCommandAndNameAndReportIt) {
    QMenu menu;
    QList<int> triggered;
    AddMenuEntries(
        menu, ContextMenuTable(), [](int) { return true; }, [&](int id) { triggered.append(id); });
    auto* onTop = menu.findChild<QAction*>("command32777");
    ASSERT_NE(onTop, nullptr);
    EXPECT_EQ(onTop->text(), "Always On Top");
    EXPECT_EQ(onTop->data().toInt(), CommandId::AlwaysOnTop);
    EXPECT_TRUE(onTop->isCheckable());
    onTop->trigger();
    ASSERT_NE(FindCommandAction(menu, CommandId::PublicHolidayTextColour), nullptr);
    FindCommandAction(menu, CommandId::PublicHolidayTextColour)->trigger();
    EXPECT_EQ(triggered, (QList<int>{32777, 32802}));
    EXPECT_FALSE(FindCommandAction(menu, CommandId::Fonts)->isCheckable());
}

TEST(MenuBuilder, CommandsNotOfferedAreLeftOutWithTheirSeparators) {
    QMenu menu;
    const QList<int> missing{CommandId::NewDiaryEntry, CommandId::EditDiary, CommandId::CheckDiary,
                             CommandId::FileOpen};
    AddMenuEntries(
        menu, ContextMenuTable(), [&](int id) { return !missing.contains(id); }, [](int) {});
    for (int id : missing) EXPECT_EQ(FindCommandAction(menu, id), nullptr) << id;
    const QStringList texts = VisibleTexts(menu);
    EXPECT_EQ(texts.mid(5, 5), (QStringList{"Options", "-", "Always On Top", "No Menu", "-"}));
    EXPECT_EQ(texts.mid(10, 1), (QStringList{"Print Setup"}));
}

TEST(MenuBuilder, EmptyPopupsAreLeftOut) {
    QMenuBar bar;
    AddMenuEntries(
        bar, MainMenuTable(),
        [](int id) {
            return id != CommandId::CheckDiary && id != CommandId::NewDiaryEntry &&
                   id != CommandId::EditDiary;
        },
        [](int) {});
    QStringList titles;
    for (const QAction* action : bar.actions()) titles.append(action->text());
    EXPECT_EQ(titles, (QStringList{"&File", "&Config", "&Prev", "&Next", "&This", "&Help"}));
}

TEST(MenuBuilder, CheckMarksFollowTheState) {
    QMenu menu;
    AddMenuEntries(
        menu, ContextMenuTable(), [](int) { return true; }, [](int) {});
    ApplyCheckMarks(menu, {true, false, true, false, false});
    EXPECT_TRUE(FindCommandAction(menu, CommandId::AlwaysOnTop)->isChecked());
    EXPECT_FALSE(FindCommandAction(menu, CommandId::YearView)->isChecked());
    EXPECT_TRUE(FindCommandAction(menu, CommandId::ShowMarquee)->isChecked());
    EXPECT_FALSE(FindCommandAction(menu, CommandId::ShowPicture)->isChecked());
    EXPECT_TRUE(FindCommandAction(menu, CommandId::NoMenu)->isChecked());
    EXPECT_FALSE(FindCommandAction(menu, CommandId::Fonts)->isChecked());

    ApplyCheckMarks(menu, {false, true, false, true, true});
    EXPECT_FALSE(FindCommandAction(menu, CommandId::AlwaysOnTop)->isChecked());
    EXPECT_TRUE(FindCommandAction(menu, CommandId::YearView)->isChecked());
    EXPECT_FALSE(FindCommandAction(menu, CommandId::ShowMarquee)->isChecked());
    EXPECT_TRUE(FindCommandAction(menu, CommandId::ShowPicture)->isChecked());
    EXPECT_FALSE(FindCommandAction(menu, CommandId::NoMenu)->isChecked());
}
