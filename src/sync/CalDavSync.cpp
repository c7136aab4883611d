// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/CalDavSync.h"

#include <QSet>
#include <QSqlError>
#include <set>

#include "diary/DiaryDatabase.h"
#include "sync/CalDavCollection.h"
#include "sync/EventCodec.h"
#include "sync/LocalEntries.h"
#include "sync/SyncError.h"
#include "sync/SyncMapping.h"

CCalDavSync::CCalDavSync(CDiaryDatabase& database, CCalDavCollection& collection,
                         const IEventCodec& codec, QString collectionId)
    : m_database(database),
      m_collection(collection),
      m_codec(codec),
      m_collectionId(std::move(collectionId)) {}

void CCalDavSync::Begin() {
    if (!m_database.Connection().transaction())
        throw CDatabaseError(m_database.Describe(QStringLiteral("start the synchronisation"),
                                                 m_database.Connection().lastError().text()));
}

void CCalDavSync::Commit() {
    if (!m_database.Connection().commit())
        throw CDatabaseError(m_database.Describe(QStringLiteral("save the synchronisation"),
                                                 m_database.Connection().lastError().text()));
}

void CCalDavSync::Rollback() {
    m_database.Connection().rollback();
}

SyncCounts CCalDavSync::Run() {
    // The tables and the diary's identity are set up once, apart from the
    // sync proper: they say nothing about any entry.
    Begin();
    try {
        CSyncMapping(m_database).Prepare();
        Commit();
    } catch (...) {
        Rollback();
        throw;
    }
    Begin();
    try {
        const SyncCounts counts = RunInTransaction();
        Commit();
        return counts;
    } catch (...) {
        Rollback();
        throw;
    }
}

SyncCounts CCalDavSync::RunInTransaction() {
    CSyncMapping mapping(m_database);
    // A mapping made with another collection says nothing about this one.
    if (mapping.Value(CSyncMapping::CollectionName()) != m_collectionId) {
        mapping.Clear();
        mapping.SetValue(CSyncMapping::SyncTokenName(), QString());
        mapping.SetValue(CSyncMapping::CollectionName(), m_collectionId);
    }
    const QString identity = mapping.Value(CSyncMapping::IdentityName());
    CLocalEntries local(m_database);
    CSyncReconciler reconciler(
        local, mapping,
        [identity](int id) { return QStringLiteral("%1-%2").arg(identity).arg(id); },
        [this](const QString& uid) { return m_collection.MemberHref(uid); });
    QString newToken;
    Pull(reconciler, mapping.Value(CSyncMapping::SyncTokenName()), newToken);
    const std::vector<PendingWrite> writes = reconciler.PlanWrites(m_codec);
    std::vector<MemberWrite> requests;
    for (const PendingWrite& write : writes) requests.push_back(write.write);
    reconciler.RecordWritten(writes, m_collection.Write(requests));
    mapping.SetValue(CSyncMapping::SyncTokenName(), newToken);
    return reconciler.Counts();
}

void CCalDavSync::Pull(CSyncReconciler& reconciler, const QString& syncToken, QString& newToken) {
    const ServerListing listing = m_collection.List(syncToken);
    newToken = listing.syncToken;
    ApplyFetched(ChangedMembers(listing, reconciler), reconciler);
    std::set<QString> listed;
    for (const DavResource& resource : listing.resources) {
        listed.insert(resource.href);
        if (resource.status == 404)
            reconciler.ApplyGone(resource.href);
    }
    if (!listing.complete)
        return;
    for (const auto& [href, etag] : reconciler.KnownMembers()) {
        if (!listed.count(href))
            reconciler.ApplyGone(href);
    }
}

QStringList CCalDavSync::ChangedMembers(const ServerListing& listing,
                                        CSyncReconciler& reconciler) const {
    const std::map<QString, QByteArray> known = reconciler.KnownMembers();
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

void CCalDavSync::ApplyFetched(const QStringList& hrefs, CSyncReconciler& reconciler) {
    const QSet<QString> asked(hrefs.begin(), hrefs.end());
    for (const DavResource& resource : m_collection.Fetch(hrefs)) {
        // Gone since it was listed: the next sync lists it gone.
        if (resource.status != 200 || !asked.contains(resource.href))
            continue;
        DecodedObject object;
        try {
            object = m_codec.Decode(resource.calendarData);
        } catch (const CPlendaError&) {
            reconciler.Skip();
            continue;
        }
        reconciler.ApplyChanged({resource.href, resource.etag, std::move(object)});
    }
}
