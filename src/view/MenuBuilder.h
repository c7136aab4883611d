// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "view/core/MenuTables.h"

class QAction;
class QWidget;

// Builds QActions from a menu table into a QMenu or a QMenuBar. Each action
// carries its command in data() and is named "command<id>" so that tests can
// find it. Commands `isOffered` refuses are left out (their handlers do not
// exist yet), and so are popups that end up empty.
using CommandFilter = std::function<bool(int id)>;
using CommandSink = std::function<void(int id)>;
void AddMenuEntries(QWidget& menu, const std::vector<MenuEntry>& entries,
                    const CommandFilter& isOffered, const CommandSink& onCommand);

// Sets the check mark of every checkable action below `menu` from the flags.
void ApplyCheckMarks(QWidget& menu, const MenuCheckState& state);

// The action of a command anywhere below `menu`, or null.
QAction* FindCommandAction(const QWidget& menu, int id);
