// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SyncReconciler.h"

#include <algorithm>
#include <optional>
#include <set>

#include "sync/LocalEntries.h"
#include "sync/ObjectPatch.h"

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
    const MappedEntry mapped{id,     changed.href, uid, changed.etag, entry.State(),
                             shared, changed.text};
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

// A new ETag on the text synced last (a server that changes ETags, or one
// that sent none after a write) is no change; nor is the text of an object
// read again under the ETag it had.
bool CSyncReconciler::SameContent(const ServerObject& changed) const {
    const std::vector<int> ids = IdsAt(changed.href);
    if (ids.empty() || changed.text.isEmpty())
        return false;
    for (const int id : ids) {
        const MappedEntry& mapped = m_mapped.at(id);
        if (mapped.text != changed.text && (changed.etag.isEmpty() || mapped.etag != changed.etag))
            return false;
    }
    return true;
}

void CSyncReconciler::ApplyChanged(const ServerObject& changed) {
    if (SameContent(changed)) {
        for (const int id : IdsAt(changed.href)) {
            m_mapped[id].etag = changed.etag;
            m_mapped[id].text = changed.text;
        }
        m_mapping.SetObject(changed.href, changed.etag, changed.text);
        return;
    }
    const std::vector<SyncEntry>& entries = changed.object.entries;
    if (entries.empty()) {
        Skip();
        return;
    }
    const std::vector<int> ids = IdsAt(changed.href);
    if (ids.empty())
        ApplyUnmapped(changed);
    else if (!Shared(changed) && ids.size() == 1 && !m_mapped.at(ids.front()).shared)
        ApplyToOne(ids.front(), changed);
    else
        ReplaceAll(changed);
}

// Rows that are days of one object: several, or the one day a series has
// left, which an edit must not move the whole series for.
bool CSyncReconciler::Shared(const ServerObject& changed) {
    const std::vector<SyncEntry>& entries = changed.object.entries;
    return entries.size() > 1 || (entries.size() == 1 && changed.object.series &&
                                  !entries.front().date.contains(QLatin1Char('*')));
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
            Map(twin, changed, entries.front(), Shared(changed));
            return;
        }
    }
    const bool shared = Shared(changed);
    for (const SyncEntry& entry : entries) Map(AddLocal(entry), changed, entry, shared);
    ++m_counts.pulled;
}

// A day edited or removed here whose day the server's new text still holds
// unchanged stays edited or removed, and goes up into that text; a day both
// sides changed leaves the object and goes up on its own.
void CSyncReconciler::ReplaceAll(const ServerObject& changed) {
    std::vector<SyncEntry> incoming = changed.object.entries;
    const bool shared = Shared(changed);
    for (const int id : IdsAt(changed.href)) {
        const bool removedHere = !m_local.count(id);
        if (removedHere || ChangedHere(id)) {
            const SyncEntry before = SyncEntry::FromState(m_mapped.at(id).state);
            const auto day = std::find(incoming.begin(), incoming.end(), before);
            if (shared && day != incoming.end()) {
                incoming.erase(day);
                Map(id, changed, before, true);
                continue;
            }
            if (!removedHere)
                ++m_counts.conflicts;
        } else {
            RemoveLocal(id);
        }
        Forget(id);
    }
    for (const SyncEntry& entry : incoming) Map(AddLocal(entry), changed, entry, shared);
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
    const QByteArray data = codec.Encode(entry, uid);
    return {{href, data, {}}, {{id, href, uid, {}, entry.State(), false, data}}, {}, entry.message};
}

// An entry edited here: the server's text with the change carried into it,
// or this program's own event when there is no text to patch.
PendingWrite CSyncReconciler::EditOne(int id, const IEventCodec& codec, const CObjectPatch& patch) {
    MappedEntry record = m_mapped.at(id);
    const SyncEntry& entry = m_local.at(id);
    QByteArray data;
    if (!record.text.isEmpty())
        data = patch.Edit(record.text, SyncEntry::FromState(record.state), entry);
    if (data.isEmpty())
        data = codec.Encode(entry, record.uid);
    record.state = entry.State();
    return {{record.href, data, record.etag, record.text}, {record}, {}, entry.message};
}

// The days of one repeating object, some edited or removed here: an edited
// day becomes an override in the object, a removed one an exception date,
// and the object goes when every day has gone. A day the object's text
// cannot take leaves it: an edited one goes up as an event of its own. The
// days of one event over several days change the event itself (see
// CObjectPatch::EditOccurrence and RemoveOccurrence).
void CSyncReconciler::PlanSeries(const QString& href, const CObjectPatch& patch,
                                 const IEventCodec& codec, std::vector<PendingWrite>& writes) {
    const std::vector<int> ids = IdsAt(href);
    const MappedEntry first = m_mapped.at(ids.front());
    bool anyLeft = false;
    for (const int id : ids) anyLeft = anyLeft || m_local.count(id);
    if (!anyLeft) {
        writes.push_back({{href, {}, first.etag, first.text},
                          {},
                          ids,
                          SyncEntry::FromState(first.state).message});
        return;
    }
    PendingWrite write{{href, first.text, first.etag, first.text}, {}, {}, {}};
    const bool span = patch.IsSpan(first.text);
    std::optional<SyncEntry> spanEdit;
    for (const int id : ids) {
        MappedEntry record = m_mapped.at(id);
        const SyncEntry before = SyncEntry::FromState(record.state);
        if (!m_local.count(id)) {
            const QByteArray patched = patch.RemoveOccurrence(write.write.data, before);
            if (patched.isEmpty()) {
                Forget(id);
                if (span)
                    KeepSpanDay(write, record, before);
                continue;
            }
            write.write.data = patched;
            write.forgotten.push_back(id);
            write.label = before.message;
        } else if (ChangedHere(id)) {
            const QByteArray patched =
                patch.EditOccurrence(write.write.data, before, m_local.at(id));
            if (patched.isEmpty()) {
                Forget(id);
                PendingWrite own = NewObject(id, codec);
                if (own.write.data.isEmpty())
                    Skip();
                else
                    writes.push_back(std::move(own));
                // A day moved off an event over several days leaves it too.
                const QByteArray shorter =
                    span ? patch.RemoveOccurrence(write.write.data, before) : QByteArray();
                if (!shorter.isEmpty())
                    write.write.data = shorter;
                else if (span)
                    KeepSpanDay(write, record, before);
                continue;
            }
            write.write.data = patched;
            if (span)
                spanEdit = m_local.at(id);
            record.state = m_local.at(id).State();
            write.label = m_local.at(id).message;
            write.records.push_back(record);
        } else {
            write.records.push_back(record);
        }
    }
    if (spanEdit)
        SpreadOverSpan(write, *spanEdit);
    if (write.write.data != first.text)
        writes.push_back(std::move(write));
}

// A day the event over several days cannot leave is put back in the diary,
// still one of the event's days, and the report says so.
void CSyncReconciler::KeepSpanDay(PendingWrite& write, MappedEntry record, const SyncEntry& day) {
    record.diaryId = AddLocal(day);
    record.state = day.State();
    m_mapped[record.diaryId] = record;
    m_mapping.Put(record);
    write.records.push_back(record);
    m_counts.keptDays.append(QStringLiteral("\"%1\" on %2").arg(day.message, day.date));
}

// The diary shows an event over several days as one entry a day: the
// message, holiday mark and tune edited on one day are the event's, so every
// day shows them.
void CSyncReconciler::SpreadOverSpan(PendingWrite& write, const SyncEntry& edited) {
    for (MappedEntry& record : write.records) {
        SyncEntry day = m_local.at(record.diaryId);
        day.message = edited.message;
        day.holiday = edited.holiday;
        day.sound = edited.sound;
        if (day != m_local.at(record.diaryId))
            SetLocal(record.diaryId, day);
        record.state = day.State();
    }
}

std::vector<PendingWrite> CSyncReconciler::PlanWrites(const IEventCodec& codec,
                                                      const CObjectPatch& patch) {
    std::vector<PendingWrite> writes;
    // An entry whose date falls on no day has no event to be written as.
    const auto add = [&](PendingWrite write) {
        if (!write.write.data.isEmpty() || !write.forgotten.empty())
            writes.push_back(std::move(write));
        else
            Skip();
    };
    std::set<QString> series;
    for (const auto& [id, entry] : m_local) {
        const auto mapped = m_mapped.find(id);
        if (mapped == m_mapped.end())
            add(NewObject(id, codec));
        else if (mapped->second.shared && ChangedHere(id))
            series.insert(mapped->second.href);
        else if (ChangedHere(id))
            add(EditOne(id, codec, patch));
    }
    for (const auto& [id, record] : m_mapped) {
        if (m_local.count(id))
            continue;
        if (record.shared)
            series.insert(record.href);
        else
            add({{record.href, {}, record.etag, record.text},
                 {},
                 {id},
                 SyncEntry::FromState(record.state).message});
    }
    for (const QString& href : series) PlanSeries(href, patch, codec, writes);
    return writes;
}

void CSyncReconciler::RecordWritten(const PendingWrite& write, const WriteResult& result,
                                    const QByteArray& text, const DecodedObject* stored) {
    if (result.outcome == WriteResult::Changed) {
        ++m_counts.deferred;
        return;
    }
    if (result.outcome == WriteResult::Refused) {
        m_counts.refused.append(
            QStringLiteral("\"%1\" (the server answered %2)").arg(write.label).arg(result.status));
        return;
    }
    if (result.outcome != WriteResult::Stored)
        return;
    for (const int id : write.forgotten) Forget(id);
    for (MappedEntry record : write.records) {
        record.etag = result.etag;
        record.href = result.href;
        record.text = text;
        m_mapped[record.diaryId] = record;
        m_mapping.Put(record);
    }
    if (write.write.data.isEmpty()) {
        ++m_counts.deletedOnServer;
        return;
    }
    ++m_counts.pushed;
    const bool days = std::any_of(write.records.begin(), write.records.end(),
                                  [](const MappedEntry& record) { return record.shared; });
    if (stored && days)
        Conform({result.href, result.etag, *stored, text});
}

// The rows of a series just written are made the days its text stands for,
// so that this diary shows what every other one reads from the server. Rows
// edited meanwhile are left for the next sync.
void CSyncReconciler::Conform(const ServerObject& written) {
    const std::vector<int> ids = IdsAt(written.href);
    QStringList here, there;
    for (const int id : ids) {
        if (m_local.count(id))
            here.append(m_local.at(id).State());
    }
    for (const SyncEntry& entry : written.object.entries) there.append(entry.State());
    here.sort();
    there.sort();
    if (here == there || written.object.entries.empty())
        return;
    const std::map<int, SyncEntry> now = m_localStore.All();
    for (const int id : ids) {
        const auto row = now.find(id);
        if (m_local.count(id) && (row == now.end() || row->second != m_local.at(id)))
            return;
    }
    for (const int id : ids) {
        if (m_local.count(id))
            RemoveLocal(id);
        Forget(id);
    }
    const bool shared = Shared(written);
    for (const SyncEntry& entry : written.object.entries)
        Map(AddLocal(entry), written, entry, shared);
}
