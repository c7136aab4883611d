// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "sync/SyncReconciler.h"

class CDiaryDatabase;
class CCalDavCollection;
class IEventCodec;

// One two-way synchronisation of a diary with a calendar collection: the
// server's changes come in, then the local ones go up. Everything local
// happens in one transaction committed only once the server has taken every
// write, so a failed sync leaves the diary and the mapping as they were, and
// the next one completes a sync cut short without doubling anything.
class CCalDavSync {
public:
    CCalDavSync(CDiaryDatabase& database, CCalDavCollection& collection, const IEventCodec& codec,
                QString collectionId);

    // Throws CSyncError or CDatabaseError; nothing local has changed then.
    SyncCounts Run();

private:
    SyncCounts RunInTransaction();
    void Pull(CSyncReconciler& reconciler, const QString& syncToken, QString& newToken);
    QStringList ChangedMembers(const ServerListing& listing, CSyncReconciler& reconciler) const;
    void ApplyFetched(const QStringList& hrefs, CSyncReconciler& reconciler);
    void Begin();
    void Commit();
    void Rollback();

    CDiaryDatabase& m_database;
    CCalDavCollection& m_collection;
    const IEventCodec& m_codec;
    QString m_collectionId;
};
