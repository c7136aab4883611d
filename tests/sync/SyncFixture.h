// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <map>

#include "support/DiaryFiles.h"
#include "support/RadicaleServer.h"
#include "support/TempDir.h"
#include "sync/DavTransport.h"
#include "sync/DiarySync.h"

// Diaries in a folder of their own, each synced with one calendar (through
// its own address when `addresses` names one), and the user's other device
// writing to that calendar directly.
class SyncFixture {
public:
    QString Diary(const QString& which) const {
        const QString path = dir.File(which + ".db");
        if (!QFile::exists(path))
            diaryfiles::CreateDiary(path);
        return path;
    }
    SyncCounts Sync(const QString& which, const QUrl& address = {}, const QString& calendar = {},
                    int* requests = nullptr) {
        const QUrl through = addresses.count(which) ? addresses.at(which) : url;
        return SynchroniseDiary(Diary(which),
                                {address.isEmpty() ? through : address, user, password},
                                QDate(2027, 6, 1), requests, calendar);
    }
    void Add(const QString& which, const diaryfiles::Entry& entry) const {
        diaryfiles::RawConnection(Diary(which)).Add(entry);
    }
    void Exec(const QString& which, const QString& sql) const {
        diaryfiles::RawConnection(Diary(which)).Exec(sql);
    }
    // The entries as sorted lines "date time holiday message".
    QStringList Entries(const QString& which) const {
        QStringList lines = diaryfiles::RawConnection(Diary(which))
                                .Value(
                                    "SELECT group_concat(EventDate || ' ' || EventTime || ' ' || "
                                    "PubHoliday || ' ' || EventDescription, '\n') FROM Diary")
                                .toString()
                                .split('\n', Qt::SkipEmptyParts);
        lines.sort();
        return lines;
    }
    DavReply Other(const QByteArray& method, const QString& member, const QByteArray& body = {}) {
        CDavTransport transport({url, user, password}, 10000);
        return transport.SendOne({method, url.resolved(QUrl(member)), body, {}});
    }

    TempDir dir;
    QUrl url;
    QString user = RadicaleServer::User();
    QString password = CalDavServer::Password();
    std::map<QString, QUrl> addresses;
};
