#include <gtest/gtest.h>

#include <QSet>

#include "commands/CommandIds.h"
#include "view/core/MenuTables.h"

namespace {

void CollectIds(const std::vector<MenuEntry>& entries, QList<int>& ids) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Command)
            ids.append(entry.id);
        CollectIds(entry.children, ids);
    }
}

const MenuEntry* FindById(const std::vector<MenuEntry>& entries, int id) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Command && entry.id == id)
            return &entry;
        if (const MenuEntry* inner = FindById(entry.children, id))
            return inner;
    }
    return nullptr;
}
}  // namespace

TEST(MenuTables, ColoursSubmenusKeepEachMenusSpelling) {
    const MenuEntry& mainColours = MainMenuTable()[2].children[1];
    const MenuEntry& contextColours = ContextMenuTable()[1];
    ASSERT_EQ(mainColours.kind, MenuEntry::Kind::Popup);
    ASSERT_EQ(contextColours.kind, MenuEntry::Kind::Popup);
    QList<int> mainIds;
    QList<int> contextIds;
    CollectIds(mainColours.children, mainIds);
    CollectIds(contextColours.children, contextIds);
    const QList<int> expected{32774, 32773, 32799, 32800, 32797, 32798, 32802, 32804};
    EXPECT_EQ(mainIds, expected);
    EXPECT_EQ(contextIds, expected);
    EXPECT_EQ(mainColours.children[6].text, QStringLiteral("Public Holiday - Text"));
    EXPECT_EQ(contextColours.children[6].text, QStringLiteral("Public Holiday- Text"));
    EXPECT_EQ(contextColours.children[4].text, QStringLiteral("Diary Entry- Text"));
}

TEST(MenuTables, NoCommandAppearsTwiceInOneMenu) {
    for (const auto* table : {&MainMenuTable(), &ContextMenuTable()}) {
        QList<int> ids;
        CollectIds(*table, ids);
        EXPECT_EQ(QSet<int>(ids.begin(), ids.end()).size(), ids.size());
    }
    ASSERT_NE(FindById(MainMenuTable(), CommandId::NewDiaryEntry), nullptr);
    EXPECT_EQ(FindById(MainMenuTable(), CommandId::NewDiaryEntry)->text, "New &Diary Entry...");
}

TEST(MenuTables, CheckMarksFollowTheFlags) {
    MenuCheckState state;
    state.frameHasMenu = true;
    for (int id : {32777, 32778, 32787, 32816, 32817})
        EXPECT_FALSE(IsCommandChecked(id, state)) << id;

    state = {true, true, true, true, false};
    for (int id : {32777, 32778, 32787, 32816, 32817})
        EXPECT_TRUE(IsCommandChecked(id, state)) << id;

    state = {false, true, false, true, true};
    EXPECT_FALSE(IsCommandChecked(CommandId::AlwaysOnTop, state));
    EXPECT_TRUE(IsCommandChecked(CommandId::YearView, state));
    EXPECT_FALSE(IsCommandChecked(CommandId::ShowMarquee, state));
    EXPECT_TRUE(IsCommandChecked(CommandId::ShowPicture, state));
    EXPECT_FALSE(IsCommandChecked(CommandId::NoMenu, state));

    EXPECT_FALSE(IsCheckableCommand(CommandId::Fonts));
    EXPECT_FALSE(IsCommandChecked(CommandId::Fonts, {true, true, true, true, false}));
}

TEST(MenuTables, AcceleratorsNeedTheirExactModifiers) {
    EXPECT_EQ(AcceleratorCommand(QKeyCombination(Qt::Key_Left)), 0);
    EXPECT_EQ(AcceleratorCommand(Qt::ALT | Qt::SHIFT | Qt::Key_A), 0);
    EXPECT_EQ(AcceleratorCommand(Qt::CTRL | Qt::Key_A), 0);
    EXPECT_EQ(AcceleratorCommand(Qt::ALT | Qt::Key_Q), 0);
    // The keypad's arrows are the same keys to the user.
    EXPECT_EQ(
        AcceleratorCommand(QKeyCombination(Qt::AltModifier | Qt::KeypadModifier, Qt::Key_Left)),
        CommandId::Prev);
}
