// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <QString>
#include <vector>

// The menus and the accelerator table as data, so the frame and the view
// build their QMenus from one description and tests can read it headless.
struct MenuEntry {
    enum class Kind { Command, Separator, Popup };

    Kind kind = Kind::Command;
    int id = 0;                       // Command only
    QString text;                     // with "&" access keys and "\t" shortcut text
    std::vector<MenuEntry> children;  // Popup only
};

// Menu 2: the frame's menu bar. Top-level commands (Prev, Next, This) sit on the bar itself.
const std::vector<MenuEntry>& MainMenuTable();
// Menu 112: the view's right-click menu.
const std::vector<MenuEntry>& ContextMenuTable();

// The flags that decide which items carry a check mark.
struct MenuCheckState {
    bool onTop = false;
    bool yearView = false;
    bool marqueeOn = false;
    bool showPicture = false;
    bool frameHasMenu = false;
    bool fitPage = false;
};

// Items that can carry a check mark at all.
bool IsCheckableCommand(int id);
bool IsCommandChecked(int id, const MenuCheckState& state);

struct Accelerator {
    QKeyCombination keys;
    int id = 0;
};

// Accelerator table 2. Keys work whether or not the menu bar is shown and
// take priority over the menu bar's access keys.
const std::vector<Accelerator>& AcceleratorTable();
// The command of a key combination, or 0 when the table has none.
int AcceleratorCommand(QKeyCombination keys);
