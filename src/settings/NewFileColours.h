// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CSettingsHelper;

// A settings file this start creates gets today's, the diary entries' and
// the public holidays' text colours made readable on the page's background.
// A file that already existed is left as it is, with or without colours, so
// nobody who has used the calendar sees it change.
void WriteNewFileColours(const CSettingsHelper& settings);
