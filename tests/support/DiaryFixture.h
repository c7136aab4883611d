// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsKeys.h"
#include "support/DiaryFiles.h"
#include "support/SettingsFixture.h"

// A settings file and a new diary of the test's own, the settings naming it.
class DiaryFixture : public SettingsFixture {
protected:
    DiaryFixture() {
        diaryfiles::CreateDiary(diaryPath);
        Put(Key::DiaryName, diaryPath);
    }

    // Adds rows as another program would.
    void Add(std::initializer_list<diaryfiles::Entry> entries) {
        diaryfiles::RawConnection raw(diaryPath);
        for (const diaryfiles::Entry& e : entries) raw.Add(e);
    }

    QString diaryPath = dir.File(QStringLiteral("Diary.db"));
};
