// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class CDiaryDatabase;

// The diary's own identity: made once and kept in the file (table
// DiaryIdentity), so that it follows the file however it is named, moved or
// copied. Dropping the table gives a copy a new identity at its next use.
// A diary that cannot be written to and has none yet gets one worked out
// from its canonical path, the same for every name of the same file.
QString DiaryIdentity(const CDiaryDatabase& diary);
