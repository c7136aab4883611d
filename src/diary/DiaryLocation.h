// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "platform/Prompts.h"

class CDiarySetHolder;
class CMonthIndex;
class CSettingsStore;

// Where the diary file lies: the setting DiaryName, worked out at start-up
// and changed by File Open.

// The database file dialog of start-up and File Open.
OpenFileRequest DiaryFileRequest();
// The user's documents folder; the home folder when there is none.
QString DocumentsFolder();
// The default diary: "Diary.db" in the given folder.
QString DefaultDiaryPath(const QString& folder);
// True for a path that names something other than a regular file (a FIFO,
// a device, a folder): opening it as a diary could wait for ever.
bool IsNonRegularFile(const QString& path);
// Opens the file for reading, creating it when missing and never truncating
// it, asks for an exclusive lock and releases both at once. Fails when the
// file cannot be created, or another program (or a running copy of this one,
// which holds a shared lock on its open diary) has it open.
bool ProbeDiaryFile(const QString& path);
// As the probe, without asking for the lock: the command line works beside
// a running calendar.
bool EnsureDiaryFileExists(const QString& path);
// Removes a diary file a command created and then could not make a diary
// of, so no empty file is left to be taken for one; a file that holds
// anything stays.
void RemoveEmptyNewDiary(const QString& path);

// Start-up: reads DiaryName; when it is empty, writes the default path at
// once; when the probe fails, asks for a file and writes a confirmed choice.
// Returns DiaryName as it then stands.
QString LocateDiaryAtStartUp(CSettingsStore& settings, IPrompts& prompts,
                             const QString& documentsFolder);

// The command line's diary: the same steps without a dialog. `path` is
// the file named (possibly unusable); `usable` says whether it could be
// opened or created.
struct CommandLineDiary {
    QString path;
    bool usable = false;
};
// A command that only reads (`remember` false) keeps the settings as they
// were: the default diary it falls back on is not written into them.
CommandLineDiary LocateDiaryForCommandLine(CSettingsStore& settings, const QString& documentsFolder,
                                           bool remember = true);

// The month or year on show, which File Open reloads.
struct ShownPeriod {
    int month = 1;
    int year = 2000;
    bool yearView = false;
};

// File Open: asks for a diary file. On a confirmed choice writes DiaryName,
// marks the index stale, closes and forgets the recordset, reopens it on the
// new file and reloads the index, and returns true (the view then repaints).
// Cancel changes nothing and returns false. An unusable file leaves the index
// empty and its database error passes out.
bool OpenOtherDiary(CSettingsStore& settings, IPrompts& prompts, CDiarySetHolder& holder,
                    CMonthIndex& index, const ShownPeriod& shown);
