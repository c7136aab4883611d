// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>

#include "sync/SyncEntry.h"

class CDiaryDatabase;

// The `Diary` table as the synchronisation reads and writes it: whole
// entries by ID. Failures throw CDatabaseError.
class CLocalEntries {
public:
    explicit CLocalEntries(const CDiaryDatabase& database);

    std::map<int, SyncEntry> All() const;
    int Insert(const SyncEntry& entry);
    void Update(int id, const SyncEntry& entry);
    void Remove(int id);

private:
    const CDiaryDatabase& m_database;
};
