// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/DiarySync.h"

#include <QTimeZone>

#include "diary/DiaryDatabase.h"
#include "sync/CalDavCollection.h"
#include "sync/CalDavSync.h"
#include "sync/InteropCodec.h"

namespace {
constexpr int kTimeoutMilliseconds = 30000;
}

SyncCounts SynchroniseDiary(const QString& diaryPath, const DavAccount& account, QDate today,
                            int* requests) {
    CDiaryDatabase diary(diaryPath);
    CDavTransport transport(account, kTimeoutMilliseconds);
    CCalDavCollection collection(transport);
    const CInteropCodec codec(QTimeZone::systemTimeZoneId(), today);
    const SyncCounts counts =
        CCalDavSync(diary, collection, codec, account.collection.toString()).Run();
    if (requests)
        *requests = transport.RequestCount();
    return counts;
}

QString SyncReport(const SyncCounts& counts) {
    QString report =
        QStringLiteral(
            "To the server: pushed %1, deleted %2\nFrom the server: pulled %3, deleted %4\n"
            "Conflicts: %5 (both versions kept)\n")
            .arg(counts.pushed)
            .arg(counts.deletedOnServer)
            .arg(counts.pulled)
            .arg(counts.deletedHere)
            .arg(counts.conflicts);
    if (counts.deferred > 0)
        report += QStringLiteral("Left for the next sync: %1 (changed on the server meanwhile)\n")
                      .arg(counts.deferred);
    if (counts.skipped > 0)
        report += QStringLiteral(
                      "Skipped: %1 (server events a diary cannot hold, or entries whose date falls "
                      "on no day)\n")
                      .arg(counts.skipped);
    return report;
}

QUrl CollectionUrl(const QString& typed, QString* error) {
    QString text = typed.trimmed();
    if (!text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("https://"));
    QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("https") && scheme != QLatin1String("http"))) {
        *error =
            QStringLiteral("\"%1\" is not the http or https address of a calendar.").arg(typed);
        return {};
    }
    // A password never rides in the address, which the settings keep.
    url.setUserInfo(QString());
    if (!url.path().endsWith(QLatin1Char('/')))
        url.setPath(url.path() + QLatin1Char('/'));
    return url;
}
