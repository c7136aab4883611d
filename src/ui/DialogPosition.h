// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsKeys.h"

class CSettingsHelper;
class QWidget;

// Every dialog reopens where it was last closed: its outer rectangle is kept
// as rectangle text under its own key of section "Settings".

// Moves `dialog` so that its top-left corner is where the key says (a first
// opening writes the default "0000 0000 0000 0000" and opens at 0, 0). Call
// before the dialog is shown.
void RestoreDialogPosition(QWidget& dialog, const CSettingsHelper& settings, Key key);
// Writes the dialog's rectangle to the key; call when the dialog closes,
// whether with OK or Cancel.
void SaveDialogPosition(const QWidget& dialog, const CSettingsHelper& settings, Key key);
