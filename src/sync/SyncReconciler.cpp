// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SyncReconciler.h"

#include "sync/LocalEntries.h"

CSyncReconciler::CSyncReconciler(CLocalEntries& local, CSyncMapping& mapping,
                                 std::function<QString(int)> newUid,
                                 std::function<QString(const QString&)> hrefOf)
    : m_localStore(local),
      m_mapping(mapping),
      m_newUid(std::move(newUid)),
      m_hrefOf(std::move(hrefOf)),
      m_local(local.All()),
      m_mapped(mapping.Entries()) {}

QString CSyncReconciler::ConflictMark() {
    return QStringLiteral("Conflict, kept from this diary: ");
}

std::map<QString, QByteArray> CSyncReconciler::KnownMembers() const {
    std::map<QString, QByteArray> members;
    for (const auto& [id, mapped] : m_mapped) members[mapped.href] = mapped.etag;
    return members;
}

std::vector<int> CSyncReconciler::IdsAt(const QString& href) const {
    std::vector<int> ids;
    for (const auto& [id, mapped] : m_mapped) {
        if (mapped.href == href)
            ids.push_back(id);
    }
    return ids;
}

bool CSyncReconciler::ChangedHere(int id) const {
    const auto local = m_local.find(id);
    const auto mapped = m_mapped.find(id);
    return local != m_local.end() && mapped != m_mapped.end() &&
           local->second.State() != mapped->second.state;
}

void CSyncReconciler::Map(int id, const ServerObject& changed, const SyncEntry& entry,
                          bool shared) {
    QString uid = changed.object.uid;
    // An object without a UID is still written back under a stable one.
    if (uid.isEmpty())
        uid = changed.href.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0);
    const MappedEntry mapped{id, changed.href, uid, changed.etag, entry.State(), shared};
    m_mapped[id] = mapped;
    m_mapping.Put(mapped);
}

void CSyncReconciler::Forget(int id) {
    m_mapped.erase(id);
    m_mapping.Remove(id);
}

int CSyncReconciler::AddLocal(const SyncEntry& entry) {
    const int id = m_localStore.Insert(entry);
    m_local[id] = entry;
    return id;
}

void CSyncReconciler::SetLocal(int id, const SyncEntry& entry) {
    m_localStore.Update(id, entry);
    m_local[id] = entry;
}

void CSyncReconciler::RemoveLocal(int id) {
    m_localStore.Remove(id);
    m_local.erase(id);
}

void CSyncReconciler::KeepConflictCopy(int id) {
    SyncEntry copy = m_local.at(id);
    copy.message = ConflictMark() + copy.message;
    AddLocal(copy);
    ++m_counts.conflicts;
}

void CSyncReconciler::ApplyChanged(const ServerObject& changed) {
    const std::vector<SyncEntry>& entries = changed.object.entries;
    if (entries.empty()) {
        Skip();
        return;
    }
    const std::vector<int> ids = IdsAt(changed.href);
    if (ids.empty())
        ApplyUnmapped(changed);
    else if (entries.size() == 1 && ids.size() == 1 && !m_mapped.at(ids.front()).shared)
        ApplyToOne(ids.front(), changed);
    else
        ReplaceAll(changed);
}

void CSyncReconciler::ApplyToOne(int id, const ServerObject& changed) {
    const SyncEntry& server = changed.object.entries.front();
    if (!m_local.count(id)) {
        // Changed there, deleted here: the change is the newer intent.
        Forget(id);
        Map(AddLocal(server), changed, server, false);
        ++m_counts.pulled;
        return;
    }
    if (m_local.at(id) == server) {
        Map(id, changed, server, false);
        return;
    }
    if (ChangedHere(id))
        KeepConflictCopy(id);
    SetLocal(id, server);
    Map(id, changed, server, false);
    ++m_counts.pulled;
}

// A local entry not yet mapped that this object already is: the same values,
// or the object a sync cut short wrote for it.
int CSyncReconciler::UnmappedTwin(const ServerObject& changed) const {
    int sameValues = 0;
    for (const auto& [id, entry] : m_local) {
        if (m_mapped.count(id))
            continue;
        if (m_hrefOf(m_newUid(id)) == changed.href)
            return id;
        if (!sameValues && entry == changed.object.entries.front())
            sameValues = id;
    }
    return sameValues;
}

void CSyncReconciler::ApplyUnmapped(const ServerObject& changed) {
    const std::vector<SyncEntry>& entries = changed.object.entries;
    if (entries.size() == 1) {
        if (const int twin = UnmappedTwin(changed)) {
            if (m_local.at(twin) != entries.front()) {
                KeepConflictCopy(twin);
                SetLocal(twin, entries.front());
                ++m_counts.pulled;
            }
            Map(twin, changed, entries.front(), false);
            return;
        }
    }
    for (const SyncEntry& entry : entries) Map(AddLocal(entry), changed, entry, entries.size() > 1);
    ++m_counts.pulled;
}

void CSyncReconciler::ReplaceAll(const ServerObject& changed) {
    for (const int id : IdsAt(changed.href)) {
        // An occurrence edited here leaves the object and goes up on its own.
        if (ChangedHere(id))
            ++m_counts.conflicts;
        else if (m_local.count(id))
            RemoveLocal(id);
        Forget(id);
    }
    const std::vector<SyncEntry>& entries = changed.object.entries;
    for (const SyncEntry& entry : entries) Map(AddLocal(entry), changed, entry, entries.size() > 1);
    ++m_counts.pulled;
}

void CSyncReconciler::ApplyGone(const QString& href) {
    bool removed = false;
    for (const int id : IdsAt(href)) {
        if (ChangedHere(id)) {
            ++m_counts.conflicts;
        } else if (m_local.count(id)) {
            RemoveLocal(id);
            removed = true;
        }
        Forget(id);
    }
    if (removed)
        ++m_counts.deletedHere;
}

PendingWrite CSyncReconciler::NewObject(int id, const IEventCodec& codec) {
    const QString uid = m_newUid(id);
    const QString href = m_hrefOf(uid);
    const SyncEntry& entry = m_local.at(id);
    return {{href, codec.Encode(entry, uid), {}}, {id, href, uid, {}, entry.State(), false}};
}

std::vector<PendingWrite> CSyncReconciler::PlanWrites(const IEventCodec& codec) {
    std::vector<PendingWrite> writes;
    // An entry whose date falls on no day has no event to be written as.
    const auto add = [&](PendingWrite write) {
        if (write.forget || !write.write.data.isEmpty())
            writes.push_back(std::move(write));
        else
            Skip();
    };
    for (const auto& [id, entry] : m_local) {
        const auto mapped = m_mapped.find(id);
        if (mapped == m_mapped.end()) {
            add(NewObject(id, codec));
        } else if (mapped->second.shared && ChangedHere(id)) {
            Forget(id);
            add(NewObject(id, codec));
        } else if (ChangedHere(id)) {
            MappedEntry record = mapped->second;
            record.state = entry.State();
            add({{record.href, codec.Encode(entry, record.uid), record.etag}, record});
        }
    }
    const std::map<int, MappedEntry> mapped = m_mapped;
    for (const auto& [id, record] : mapped) {
        if (m_local.count(id))
            continue;
        if (record.shared)
            Forget(id);
        else
            add({{record.href, {}, record.etag}, record, true});
    }
    return writes;
}

void CSyncReconciler::RecordWritten(const std::vector<PendingWrite>& writes,
                                    const std::vector<std::optional<QByteArray>>& etags) {
    for (size_t i = 0; i < writes.size(); ++i) {
        if (!etags[i]) {
            ++m_counts.deferred;
            continue;
        }
        if (writes[i].forget) {
            Forget(writes[i].record.diaryId);
            ++m_counts.deletedOnServer;
            continue;
        }
        MappedEntry record = writes[i].record;
        record.etag = *etags[i];
        m_mapped[record.diaryId] = record;
        m_mapping.Put(record);
        ++m_counts.pushed;
    }
}
