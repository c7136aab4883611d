// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "view/core/MenuTables.h"

namespace {
TEST(MenuTables, CheckMarksFollowTheirFlagsAndAcceleratorsNeedTheirExactModifiers) {
    // on top, year view, marquee, picture, frame has menu: the five checkable commands
    const int checkable[] = {CommandId::AlwaysOnTop, CommandId::YearView, CommandId::ShowMarquee,
                             CommandId::ShowPicture, CommandId::NoMenu};
    for (int flag = -1; flag < 5; ++flag) {
        bool f[5] = {false, false, false, false, true};  // nothing checked
        if (flag >= 0)
            f[flag] = !f[flag];
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(IsCommandChecked(checkable[i], {f[0], f[1], f[2], f[3], f[4]}), i == flag)
                << flag << i;
    }
    EXPECT_FALSE(IsCheckableCommand(CommandId::Fonts));
    EXPECT_FALSE(IsCommandChecked(CommandId::Fonts, {true, true, true, true, false}));
    // Accelerators need their exact modifiers.
    EXPECT_EQ(AcceleratorCommand(QKeyCombination(Qt::Key_Left)), 0);
    EXPECT_EQ(AcceleratorCommand(Qt::ALT | Qt::SHIFT | Qt::Key_A), 0);
    EXPECT_EQ(AcceleratorCommand(Qt::CTRL | Qt::Key_A), 0);
    // The keypad's arrows are the same keys to the user.
    EXPECT_EQ(
        AcceleratorCommand(QKeyCombination(Qt::AltModifier | Qt::KeypadModifier, Qt::Key_Left)),
        CommandId::Prev);
}
}  // namespace
