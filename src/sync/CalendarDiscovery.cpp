// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/CalendarDiscovery.h"

#include <QCoreApplication>

#include "sync/CalendarChoiceError.h"
#include "sync/DavTransport.h"

namespace {
QUrl Collection(const QUrl& base, const QString& href) {
    // One spelling of the path, whichever escapes the server used.
    QUrl url = base.resolved(QUrl(href));
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path, QUrl::DecodedMode);
    return url;
}

QString LastSegment(const QUrl& url) {
    return url.path(QUrl::FullyDecoded).section(QLatin1Char('/'), -2, -2);
}

}  // namespace

QString CalendarListing(const std::vector<FoundCalendar>& found) {
    QString lines;
    for (const FoundCalendar& calendar : found)
        lines += QStringLiteral("  %1  %2\n")
                     .arg(calendar.name, calendar.url.toDisplayString(QUrl::RemoveUserInfo));
    return lines;
}

CCalendarDiscovery::CCalendarDiscovery(CDavTransport& transport) : m_transport(transport) {}

QString CCalendarDiscovery::Where() const {
    return m_transport.Account().collection.toDisplayString(QUrl::RemoveUserInfo);
}

std::vector<DavProperties> CCalendarDiscovery::Find(const QUrl& url, const QByteArray& depth) {
    const DavReply reply =
        m_transport.SendOne({"PROPFIND", url, davxml::DiscoveryProperties(), {{"Depth", depth}}});
    if (reply.status == 404)
        throw CSyncError(
            QCoreApplication::translate("CalDav", "There is no calendar at %1.").arg(Where()));
    if (reply.status != 207)
        throw CSyncError(
            QCoreApplication::translate(
                "CalDav", "The CalDAV server at %1 answered %2 when asked for its calendars.")
                .arg(Where())
                .arg(reply.status));
    return davxml::ParseProperties(reply.body);
}

std::vector<FoundCalendar> CCalendarDiscovery::CalendarsIn(const QUrl& home) {
    std::vector<FoundCalendar> found;
    for (const DavProperties& member : Find(home, "1")) {
        const QUrl url = Collection(home, member.href);
        // The credentials go to no other origin than the one typed.
        if (!member.calendar || !member.events || url.path() == home.path() ||
            url.host() != home.host() || url.port() != home.port() || url.scheme() != home.scheme())
            continue;
        found.push_back(
            {url, member.displayName.isEmpty() ? LastSegment(url) : member.displayName});
    }
    return found;
}

std::vector<FoundCalendar> CCalendarDiscovery::Calendars() {
    const QUrl address = m_transport.Account().collection;
    const std::vector<DavProperties> self = Find(address, "0");
    if (self.empty())
        throw CSyncError(QCoreApplication::translate(
                             "CalDav", "The CalDAV server at %1 described nothing there.")
                             .arg(Where()));
    const DavProperties& here = self.front();
    if (here.calendar) {
        if (!here.events)
            return {};
        return {{address, here.displayName.isEmpty() ? LastSegment(address) : here.displayName}};
    }
    QString home = here.calendarHome;
    if (home.isEmpty() && !here.principal.isEmpty() &&
        Collection(address, here.principal).path() != address.path()) {
        const std::vector<DavProperties> principal = Find(Collection(address, here.principal), "0");
        if (!principal.empty())
            home = principal.front().calendarHome;
    }
    // An address with no home named is taken as a home itself.
    return CalendarsIn(home.isEmpty() ? address : Collection(address, home));
}

FoundCalendar CCalendarDiscovery::Choose(const std::vector<FoundCalendar>& found,
                                         const QString& name) const {
    if (found.empty())
        throw CSyncError(
            QCoreApplication::translate("CalDav", "No calendar that holds events was found at %1.")
                .arg(Where()));
    if (!name.isEmpty()) {
        for (const FoundCalendar& calendar : found) {
            if (calendar.name.compare(name, Qt::CaseInsensitive) == 0 ||
                LastSegment(calendar.url).compare(name, Qt::CaseInsensitive) == 0)
                return calendar;
        }
        throw CCalendarChoiceError(
            QCoreApplication::translate("CalDav",
                                        "No calendar named \"%1\" is at %2; there are:\n%3")
                .arg(name, Where(), CalendarListing(found)));
    }
    if (found.size() == 1)
        return found.front();
    throw CCalendarChoiceError(
        QCoreApplication::translate(
            "CalDav",
            "Several calendars are at %1; choose one with Find Calendars in Options, "
            "on the Synchronise page, or give its name with --calendar:\n%2")
            .arg(Where(), CalendarListing(found)));
}
