// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "interop/DiaryEntry.h"

class CDiaryDatabase;

// The whole diary table read and added to in bulk, for moving many entries
// in or out at once. Database failures throw CDatabaseError.
class CEntryTable {
public:
    explicit CEntryTable(const CDiaryDatabase& database) : m_database(database) {}

    // Every entry, in the order of their IDs.
    QList<DiaryEntry> ReadAll() const;
    // Adds the entries in one transaction: all of them, or none when any fails;
    // nothing at all into a damaged file.
    void AddAll(const QList<DiaryEntry>& entries);

private:
    const CDiaryDatabase& m_database;
};
