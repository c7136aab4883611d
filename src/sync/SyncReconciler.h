// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "sync/CalDavCollection.h"
#include "sync/EventCodec.h"
#include "sync/SyncMapping.h"

class CLocalEntries;
class CObjectPatch;

// What one sync did, for its report.
struct SyncCounts {
    int pushed = 0;
    int deletedOnServer = 0;
    int pulled = 0;
    int deletedHere = 0;
    int conflicts = 0;
    int skipped = 0;
    // Local changes whose server object changed while they were sent; the
    // next sync takes them up again.
    int deferred = 0;
    // Writes the server refused (a read-only or full calendar), one line
    // each naming the entry; they are tried again at the next sync.
    QStringList refused;
    // Days removed here from an event over several days that only its first
    // or last day can leave: the event keeps them and so does the diary.
    QStringList keptDays;
};

// A member that changed on the server, read.
struct ServerObject {
    QString href;
    QByteArray etag;
    DecodedObject object;
    QByteArray text;
};

// A write to the server and what the mapping records once it succeeded: the
// rows the object now stands for, and the rows it no longer does.
struct PendingWrite {
    MemberWrite write;
    std::vector<MappedEntry> records;
    std::vector<int> forgotten;
    // The entry's message, for a refusal's report.
    QString label;
};

// Brings the diary and the mapping up to the server's changes, then lists the
// writes that carry the local changes to the server. An entry changed on both
// sides takes the server's version, and the local one stays beside it as a
// new entry whose message is marked, so no change is lost. An entry that came
// from the server is written back as the server's own text with the entry's
// change carried into it. Runs inside the sync's short transactions: every
// write goes straight to the diary file.
class CSyncReconciler {
public:
    CSyncReconciler(CLocalEntries& local, CSyncMapping& mapping, std::function<QString(int)> newUid,
                    std::function<QString(const QString&)> hrefOf);

    // The members the mapping knows, with the ETag each had at the last sync.
    std::map<QString, QByteArray> KnownMembers() const;

    void ApplyChanged(const ServerObject& changed);
    void ApplyGone(const QString& href);
    void Skip() { ++m_counts.skipped; }

    std::vector<PendingWrite> PlanWrites(const IEventCodec& codec, const CObjectPatch& patch);
    // Records what became of one write; `text` is the object the server now
    // holds.
    // `stored`, when given, is that text read as entries.
    void RecordWritten(const PendingWrite& write, const WriteResult& result, const QByteArray& text,
                       const DecodedObject* stored = nullptr);

    const SyncCounts& Counts() const { return m_counts; }
    static QString ConflictMark();

private:
    std::vector<int> IdsAt(const QString& href) const;
    bool ChangedHere(int id) const;
    void Map(int id, const ServerObject& changed, const SyncEntry& entry, bool shared);
    void Forget(int id);
    int AddLocal(const SyncEntry& entry);
    void SetLocal(int id, const SyncEntry& entry);
    void RemoveLocal(int id);
    void KeepConflictCopy(int id);
    void ApplyToOne(int id, const ServerObject& changed);
    void ApplyUnmapped(const ServerObject& changed);
    void ReplaceAll(const ServerObject& changed);
    void Conform(const ServerObject& written);
    static bool Shared(const ServerObject& changed);
    int UnmappedTwin(const ServerObject& changed) const;
    PendingWrite NewObject(int id, const IEventCodec& codec);
    PendingWrite EditOne(int id, const IEventCodec& codec, const CObjectPatch& patch);
    void KeepSpanDay(PendingWrite& write, MappedEntry record, const SyncEntry& day);
    void SpreadOverSpan(PendingWrite& write, const SyncEntry& edited);
    void PlanSeries(const QString& href, const CObjectPatch& patch, const IEventCodec& codec,
                    std::vector<PendingWrite>& writes);
    bool SameContent(const ServerObject& changed) const;

    CLocalEntries& m_localStore;
    CSyncMapping& m_mapping;
    std::function<QString(int)> m_newUid;
    std::function<QString(const QString&)> m_hrefOf;
    std::map<int, SyncEntry> m_local;
    std::map<int, MappedEntry> m_mapped;
    SyncCounts m_counts;
};
