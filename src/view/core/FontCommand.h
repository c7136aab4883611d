// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/core/DayStyle.h"
#include "view/core/ViewSettings.h"

class CSettingsHelper;
class IPrompts;

// Opens the font dialog on the view's face, size and text colour. On OK the
// colour becomes the text colour (and the pairs that follow it are read
// again), the face (cut to 31 characters) goes to Font and the height to
// FontSize; weight, slant and effects are not kept. Returns whether the user
// confirmed; on cancel nothing changes.
bool RunFontCommand(FontSpec& font, ViewColours& colours, IPrompts& prompts,
                    const CSettingsHelper& settings);
