// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "settings/SettingsKeys.h"
#include "view/core/DayStyle.h"

class CSettingsHelper;
class IPrompts;

// One of the eight colour commands: the colour it changes, the key it writes
// and whether the repaint erases the background first.
struct ColourCommand {
    int id;
    ColourRef ViewColours::*colour;
    Key key;
    bool eraseBackground;
};

const std::vector<ColourCommand>& ColourCommandTable();
const ColourCommand* FindColourCommand(int id);

// Asks for a colour starting from the current one. On OK the colour is stored
// in `colours` and written to the command's key; after the text colour the
// today and diary-entry pairs are read again, since their defaults follow it.
// On cancel nothing changes. Returns whether the colour was changed.
bool RunColourCommand(const ColourCommand& command, ViewColours& colours, IPrompts& prompts,
                      const CSettingsHelper& settings);
