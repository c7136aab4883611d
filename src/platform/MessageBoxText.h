// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How much of a text a message box shows. A day may hold hundreds of entries
// and an entry a message of megabytes; laying all of that out would freeze
// the window and make a box no screen can hold.
struct MessageBoxLimits {
    int lines = 100;       // lines shown before "and N more"
    int lineLength = 500;  // characters of one line before it is cut with "…"
};

// The text as the box shows it: at most `limits.lines` lines, each cut to
// `limits.lineLength` characters, and a last line "and N more" for the lines
// left out.
QString FitMessageBoxText(const QString& text, const MessageBoxLimits& limits = {});
