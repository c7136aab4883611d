// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One row of the diary as the interchange code sees it.
struct DiaryEntry {
    int id = 0;
    // DDMMYYYY, each character a digit or '*'.
    QString date;
    QString message;
    QString tune;
    bool holiday = false;
    // HHMM; "0000", four blanks or empty mean no alarm.
    QString time;
};
