// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/DiarySync.h"

#include <QCoreApplication>
#include <QTimeZone>

#include "diary/DiaryDatabase.h"
#include "sync/CalDavCollection.h"
#include "sync/CalDavSync.h"
#include "sync/CalendarDiscovery.h"
#include "sync/InteropCodec.h"
#include "sync/ObjectPatch.h"
#include "sync/SyncMapping.h"

namespace {
constexpr int kTimeoutMilliseconds = 30000;

// The calendar an earlier sync found behind this very address: no need to
// ask again.
QUrl RememberedCalendar(const CDiaryDatabase& diary, const QUrl& address) {
    const CSyncMapping mapping(diary);
    if (!mapping.Exists() || mapping.Value(CSyncMapping::AddressName()) != address.toString())
        return {};
    return QUrl(mapping.Value(CSyncMapping::CollectionName()));
}
}  // namespace

SyncCounts SynchroniseDiary(const QString& diaryPath, const DavAccount& account, QDate today,
                            int* requests, const QString& calendarName) {
    CDiaryDatabase diary(diaryPath);
    CDavTransport probe(account, kTimeoutMilliseconds);
    DavAccount calendar = account;
    calendar.collection = RememberedCalendar(diary, account.collection);
    if (calendar.collection.isEmpty() || !calendarName.isEmpty()) {
        CCalendarDiscovery discovery(probe);
        calendar.collection = discovery.Choose(discovery.Calendars(), calendarName).url;
    }
    CDavTransport transport(calendar, kTimeoutMilliseconds);
    CCalDavCollection collection(transport);
    const CInteropCodec codec(QTimeZone::systemTimeZoneId(), today);
    const CObjectPatch patch(QTimeZone::systemTimeZoneId(), QDateTime::currentDateTimeUtc());
    const SyncCounts counts =
        CCalDavSync(diary, collection, codec, patch, calendar.collection.toString(),
                    account.collection.toString())
            .Run();
    if (requests)
        *requests = probe.RequestCount() + transport.RequestCount();
    return counts;
}

QString ListCalendars(const DavAccount& account) {
    return CalendarListing(FindCalendars(account));
}

std::vector<FoundCalendar> FindCalendars(const DavAccount& account) {
    CDavTransport transport(account, kTimeoutMilliseconds);
    return CCalendarDiscovery(transport).Calendars();
}

QString SyncReport(const SyncCounts& counts) {
    QString report =
        QCoreApplication::translate(
            "CViewSync",
            "To the server: pushed %1, deleted %2\nFrom the server: pulled %3, deleted %4\n"
            "Conflicts: %5 (both versions kept)\n")
            .arg(counts.pushed)
            .arg(counts.deletedOnServer)
            .arg(counts.pulled)
            .arg(counts.deletedHere)
            .arg(counts.conflicts);
    if (counts.deferred > 0)
        report += QCoreApplication::translate(
                      "CViewSync", "Left for the next sync: %1 (changed on the server meanwhile)\n")
                      .arg(counts.deferred);
    for (const QString& kept : counts.keptDays)
        report += QCoreApplication::translate(
                      "CViewSync",
                      "Kept, as only the first or last day of an event over several days can "
                      "be removed: %1\n")
                      .arg(kept);
    for (const QString& refused : counts.refused)
        report += QCoreApplication::translate("CViewSync",
                                              "Refused by the server, tried again next time: %1\n")
                      .arg(refused);
    if (counts.skipped > 0)
        report += QCoreApplication::translate(
                      "CViewSync",
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
