// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/CalDavSync.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlError>
#include <optional>
#include <set>

#include "diary/DiaryDatabase.h"
#include "sync/CalDavCollection.h"
#include "sync/EventCodec.h"
#include "sync/LocalEntries.h"
#include "sync/ObjectPatch.h"
#include "sync/SyncError.h"
#include "sync/SyncMapping.h"

namespace {
// Writes sent before their outcome is recorded: what a killed sync redoes.
constexpr size_t kWriteBatch = 8;

// An ETag that does not promise the bytes sent are the bytes stored.
bool Unreliable(const QByteArray& etag) {
    return etag.isEmpty() || etag.startsWith("W/");
}
}  // namespace

CCalDavSync::CCalDavSync(CDiaryDatabase& database, CCalDavCollection& collection,
                         const IEventCodec& codec, const CObjectPatch& patch, QString collectionId,
                         QString address)
    : m_database(database),
      m_collection(collection),
      m_codec(codec),
      m_patch(patch),
      m_collectionId(std::move(collectionId)),
      m_address(std::move(address)) {}

void CCalDavSync::Exec(const QString& sql, const QString& action) {
    QSqlQuery query(m_database.Connection());
    if (!query.exec(sql))
        throw CDatabaseError(m_database.Describe(action, query.lastError().text()));
}

void CCalDavSync::InTransaction(const QString& action, const std::function<void()>& work) {
    Exec(QStringLiteral("BEGIN IMMEDIATE"), action);
    try {
        work();
        Exec(QStringLiteral("COMMIT"), action);
    } catch (...) {
        QSqlQuery(m_database.Connection()).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

SyncCounts CCalDavSync::Run() {
    CSyncMapping mapping(m_database);
    InTransaction(QCoreApplication::translate("Diary", "prepare the synchronisation"),
                  [&] { mapping.Prepare(); });
    // A mapping made with another collection says nothing about this one.
    const bool sameCollection = mapping.Value(CSyncMapping::CollectionName()) == m_collectionId;
    std::map<QString, QByteArray> known;
    if (sameCollection) {
        // An object synced before its text was kept is read once more.
        for (const auto& [id, entry] : mapping.Entries())
            known[m_collection.Normal(entry.href)] =
                entry.text.isEmpty() ? QByteArray() : entry.etag;
    }
    // Nothing known yet: every member is new, and its text comes with the list.
    const ServerListing listing = m_collection.List(
        sameCollection ? mapping.Value(CSyncMapping::SyncTokenName()) : QString(), known.empty());
    const QStringList changed = ChangedMembers(listing, known);
    int unreadable = 0;
    const std::vector<ServerObject> objects = Read(changed, unreadable, listing.resources);

    const QString identity = mapping.Value(CSyncMapping::IdentityName());
    CLocalEntries local(m_database);
    std::optional<CSyncReconciler> reconciler;
    std::vector<PendingWrite> writes;
    InTransaction(QCoreApplication::translate("Diary", "save the synchronisation"), [&] {
        if (!sameCollection) {
            mapping.Clear();
            mapping.SetValue(CSyncMapping::CollectionName(), m_collectionId);
        }
        mapping.SetValue(CSyncMapping::AddressName(), m_address);
        // Hrefs stored before they were normalised take the one form.
        for (auto [id, entry] : mapping.Entries()) {
            if (entry.href != m_collection.Normal(entry.href)) {
                entry.href = m_collection.Normal(entry.href);
                mapping.Put(entry);
            }
        }
        reconciler.emplace(
            local, mapping,
            [identity](int id) { return QStringLiteral("%1-%2").arg(identity).arg(id); },
            [this](const QString& uid) { return m_collection.MemberHref(uid); });
        for (int i = 0; i < unreadable; ++i) reconciler->Skip();
        Apply(*reconciler, listing, objects);
        writes = reconciler->PlanWrites(m_codec, m_patch);
        mapping.SetValue(CSyncMapping::SyncTokenName(), listing.syncToken);
    });
    if (writes.empty())
        return reconciler->Counts();
    const std::map<QString, QByteArray> own = Push(*reconciler, writes);
    const QString token = TokenAfterWrites(listing.syncToken, own);
    if (token != listing.syncToken)
        InTransaction(QCoreApplication::translate("Diary", "save the synchronisation"),
                      [&] { mapping.SetValue(CSyncMapping::SyncTokenName(), token); });
    return reconciler->Counts();
}

QStringList CCalDavSync::ChangedMembers(const ServerListing& listing,
                                        const std::map<QString, QByteArray>& known) const {
    QStringList changed;
    for (const DavResource& resource : listing.resources) {
        if (resource.status == 404 || !m_collection.Contains(resource.href))
            continue;
        const auto it = known.find(resource.href);
        if (it == known.end() || it->second != resource.etag || resource.etag.isEmpty())
            changed.append(resource.href);
    }
    return changed;
}

std::vector<ServerObject> CCalDavSync::Read(const QStringList& hrefs, int& skipped,
                                            const std::vector<DavResource>& listed) {
    const QSet<QString> wanted(hrefs.begin(), hrefs.end());
    std::vector<DavResource> resources;
    QSet<QString> carried;
    for (const DavResource& resource : listed) {
        if (resource.status == 200 && !resource.calendarData.isEmpty() &&
            wanted.contains(resource.href)) {
            resources.push_back(resource);
            carried.insert(resource.href);
        }
    }
    QStringList missing;
    for (const QString& href : hrefs)
        if (!carried.contains(href))
            missing.append(href);
    for (DavResource& resource : m_collection.Fetch(missing))
        resources.push_back(std::move(resource));
    std::vector<ServerObject> objects;
    for (const DavResource& resource : resources) {
        // Gone since it was listed: the next sync lists it gone.
        if (resource.status != 200 || !wanted.contains(resource.href))
            continue;
        try {
            objects.push_back({resource.href, resource.etag, m_codec.Decode(resource.calendarData),
                               resource.calendarData});
        } catch (const CPlendaError&) {
            ++skipped;
        }
    }
    return objects;
}

void CCalDavSync::Apply(CSyncReconciler& reconciler, const ServerListing& listing,
                        const std::vector<ServerObject>& changed) {
    for (const ServerObject& object : changed) reconciler.ApplyChanged(object);
    std::set<QString> listed;
    for (const DavResource& resource : listing.resources) {
        listed.insert(resource.href);
        if (resource.status == 404)
            reconciler.ApplyGone(resource.href);
    }
    // Only a whole listing tells what is gone by leaving it out.
    if (!listing.complete)
        return;
    for (const auto& [href, etag] : reconciler.KnownMembers()) {
        if (!listed.count(href))
            reconciler.ApplyGone(href);
    }
}

// Sends the writes a batch at a time and records each batch at once. An
// object the server stored without a reliable ETag is read back, so that its
// ETag and text are the server's. Returns the ETag each written member now
// has (empty for a deleted one).
std::map<QString, QByteArray> CCalDavSync::Push(CSyncReconciler& reconciler,
                                                const std::vector<PendingWrite>& writes) {
    std::map<QString, QByteArray> own;
    for (size_t first = 0; first < writes.size(); first += kWriteBatch) {
        const std::vector<PendingWrite> batch(
            writes.begin() + first, writes.begin() + std::min(writes.size(), first + kWriteBatch));
        std::vector<MemberWrite> requests;
        for (const PendingWrite& write : batch) requests.push_back(write.write);
        std::vector<WriteResult> results = m_collection.Write(requests);
        QStringList readBack;
        for (size_t i = 0; i < batch.size(); ++i) {
            if (results[i].outcome == WriteResult::Stored && !batch[i].write.data.isEmpty() &&
                Unreliable(results[i].etag))
                readBack.append(results[i].href);
        }
        int unreadable = 0;
        std::map<QString, ServerObject> stored;
        for (ServerObject& object : Read(readBack, unreadable))
            stored[object.href] = std::move(object);
        InTransaction(QCoreApplication::translate("Diary", "save the synchronisation"), [&] {
            for (size_t i = 0; i < batch.size(); ++i) {
                QByteArray text = batch[i].write.data;
                const auto back = stored.find(results[i].href);
                if (back != stored.end()) {
                    results[i].etag = back->second.etag;
                    text = back->second.text;
                }
                const std::optional<DecodedObject> decoded = DecodeWritten(results[i], text);
                reconciler.RecordWritten(batch[i], results[i], text, decoded ? &*decoded : nullptr);
                if (results[i].outcome == WriteResult::Stored)
                    own[results[i].href] = results[i].etag;
            }
        });
        for (size_t i = 0; i < batch.size(); ++i) {
            if (results[i].outcome == WriteResult::Failed)
                m_collection.RefuseWrite(requests[i], results[i].status);
        }
    }
    return own;
}

// The entries a text just stored on the server stands for; nothing for a
// deletion or a text this program cannot read.
std::optional<DecodedObject> CCalDavSync::DecodeWritten(const WriteResult& result,
                                                        const QByteArray& text) const {
    if (result.outcome != WriteResult::Stored || text.isEmpty())
        return std::nullopt;
    try {
        return m_codec.Decode(text);
    } catch (const CPlendaError&) {
        return std::nullopt;
    }
}

// The token for the state after this sync's own writes, so that another
// device's change to a member just written (a deletion above all) comes in
// next time. When anything but this sync's own writes changed meanwhile, the
// token from before the writes stays: the next sync lists those changes too,
// and its own writes then read as unchanged.
QString CCalDavSync::TokenAfterWrites(const QString& token,
                                      const std::map<QString, QByteArray>& own) {
    if (token.isEmpty())
        return token;
    const ServerListing since = m_collection.List(token);
    if (since.complete || since.truncated)
        return token;
    for (const DavResource& resource : since.resources) {
        const auto it = own.find(resource.href);
        if (it == own.end() || (resource.status == 404) != it->second.isEmpty() ||
            (resource.status != 404 && it->second != resource.etag))
            return token;
    }
    return since.syncToken;
}
