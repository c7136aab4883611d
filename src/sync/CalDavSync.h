// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <optional>

#include "sync/SyncReconciler.h"

class CDiaryDatabase;
class CCalDavCollection;
class CObjectPatch;
class IEventCodec;

// One two-way synchronisation of a diary with a calendar collection: the
// server's changes come in, then the local ones go up. No transaction is
// open while the server is asked anything: the listing and the changed
// objects are read first, applied in one short transaction, and each batch
// of writes is recorded in a short transaction of its own as soon as the
// server has taken it, so that other writers of the diary never wait on the
// network and a sync cut short resumes where it stopped without doubling
// anything.
class CCalDavSync {
public:
    CCalDavSync(CDiaryDatabase& database, CCalDavCollection& collection, const IEventCodec& codec,
                const CObjectPatch& patch, QString collectionId, QString address);

    // Throws CSyncError or CDatabaseError; what was recorded before stays.
    SyncCounts Run();

private:
    // Runs `work` in a BEGIN IMMEDIATE transaction, which waits for other
    // writers as long as they wait for it.
    void InTransaction(const QString& action, const std::function<void()>& work);
    void Exec(const QString& sql, const QString& action);
    QStringList ChangedMembers(const ServerListing& listing,
                               const std::map<QString, QByteArray>& known) const;
    // The members' text: from the listing where it came with it, fetched
    // otherwise.
    std::vector<ServerObject> Read(const QStringList& hrefs, int& skipped,
                                   const std::vector<DavResource>& listed = {});
    void Apply(CSyncReconciler& reconciler, const ServerListing& listing,
               const std::vector<ServerObject>& changed);
    std::optional<DecodedObject> DecodeWritten(const WriteResult& result,
                                               const QByteArray& text) const;
    std::map<QString, QByteArray> Push(CSyncReconciler& reconciler,
                                       const std::vector<PendingWrite>& writes);
    QString TokenAfterWrites(const QString& token, const std::map<QString, QByteArray>& own);

    CDiaryDatabase& m_database;
    CCalDavCollection& m_collection;
    const IEventCodec& m_codec;
    const CObjectPatch& m_patch;
    QString m_collectionId;
    QString m_address;
};
