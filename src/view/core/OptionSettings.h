// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/core/ViewSettings.h"

class CSettingsHelper;

// The settings the Options dialog may have changed, read again into the
// view's copy as stored (no defaults written back): the picture and its
// stretching, the marquee's keys, the view mode and the year grid, corrected
// as at start-up since the layout divides by each count, and the week's
// first day and numbers.
void ReloadOptionSettings(const CSettingsHelper& settings, ViewSettings& view);
