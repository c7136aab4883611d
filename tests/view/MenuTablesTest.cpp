#include <gtest/gtest.h>

#include <QSet>

#include "app/CommandIds.h"
#include "view/MenuTables.h"

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

QStringList Texts(const std::vector<MenuEntry>& entries) {
    QStringList texts;
    for (const MenuEntry& entry : entries)
        texts.append(entry.kind == MenuEntry::Kind::Separator ? QStringLiteral("-") : entry.text);
    return texts;
}

}  // namespace

TEST(MenuTables, MainMenuBarHasPopupsAndTheThreeDirectCommands) {
    const auto& bar = MainMenuTable();
    EXPECT_EQ(Texts(bar),
              (QStringList{"&File", "&Edit", "&Config", "&Prev", "&Next", "&This", "&Help"}));
    EXPECT_EQ(bar[3].kind, MenuEntry::Kind::Command);
    EXPECT_EQ(bar[3].id, CommandId::Prev);
    EXPECT_EQ(bar[4].id, CommandId::Next);
    EXPECT_EQ(bar[5].id, CommandId::This);
    EXPECT_EQ(Texts(bar[0].children),
              (QStringList{"&Open...\tCtrl+O", "-", "P&rint Setup...", "&Print...\tCtrl+P",
                           "Print Pre&view", "-", "&Always On Top", "&No Menu", "E&xit"}));
    EXPECT_EQ(bar[0].children[8].id, CommandId::Exit);
    EXPECT_EQ(Texts(bar[4 + 2].children),
              (QStringList{"Quick &Help...", "&About Plenda...", "Sponsor"}));
    EXPECT_EQ(Texts(bar[2].children), (QStringList{"&Fonts", "Colors", "Options", "&Year View",
                                                   "Show picture", "Show Marquee"}));
}

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

TEST(MenuTables, ContextMenuListsEveryItemInOrderWithSeparators) {
    const QStringList expected{"Fonts...",
                               "Colors",
                               "Year View",
                               "Show  picture",
                               "Show marquee",
                               "Options",
                               "-",
                               "Check Diary",
                               "New Diary Entry",
                               "Edit Diary",
                               "-",
                               "Always On Top",
                               "No Menu",
                               "-",
                               "File Open...",
                               "-",
                               "Print Setup",
                               "Print",
                               "Print Preview",
                               "-",
                               "Maximize",
                               "Minimize",
                               "Restore",
                               "-",
                               "Quick Help",
                               "&About Plenda",
                               "-",
                               "Sponsor",
                               "-",
                               "Exit"};
    EXPECT_EQ(Texts(ContextMenuTable()), expected);
    QList<int> ids;
    CollectIds(ContextMenuTable(), ids);
    const QList<int> expectedIds{32771, 32774, 32773, 32799, 32800, 32797, 32798, 32802,
                                 32804, 32787, 32816, 32817, 32812, 32782, 32815, 32801,
                                 32777, 32778, 57601, 57606, 57607, 57609, 32791, 32792,
                                 32794, 110,   57664, 32806, 32795};
    EXPECT_EQ(ids, expectedIds);
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

TEST(MenuTables, AcceleratorsMapEveryKeyOfTheTable) {
    const std::pair<QKeyCombination, int> expected[] = {
        {Qt::ALT | Qt::Key_A, 57664},     {Qt::ALT | Qt::Key_B, 32773},
        {Qt::ALT | Qt::Key_C, 32782},     {Qt::ALT | Qt::Key_D, 32809},
        {Qt::ALT | Qt::Key_F, 32771},     {Qt::ALT | Qt::Key_H, 110},
        {Qt::ALT | Qt::Key_M, 32778},     {Qt::ALT | Qt::Key_T, 32774},
        {Qt::ALT | Qt::Key_Y, 32787},     {Qt::ALT | Qt::Key_Left, 32775},
        {Qt::ALT | Qt::Key_Right, 32776}, {Qt::ALT | Qt::Key_Down, 32779},
        {Qt::ALT | Qt::Key_Up, 32777},    {Qt::CTRL | Qt::Key_O, 57601},
        {Qt::CTRL | Qt::Key_R, 32806},    {Qt::CTRL | Qt::Key_P, 57607},
    };
    for (const auto& [keys, id] : expected)
        EXPECT_EQ(AcceleratorCommand(keys), id) << keys.toCombined();
    EXPECT_EQ(AcceleratorTable().size(), std::size(expected));
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
