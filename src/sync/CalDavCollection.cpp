// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/CalDavCollection.h"

#include <QCoreApplication>
#include <QUuid>
#include <map>

#include "sync/DavTransport.h"
#include "sync/SyncError.h"

namespace {
constexpr int kMultistatus = 207;
constexpr int kInsufficientStorage = 507;
constexpr int kFetchBatch = 200;
constexpr int kWritesInFlight = 4;

bool TokenRejected(int status) {
    return status == 403 || status == 409;
}
bool ReportUnsupported(int status) {
    return status == 400 || status == 403 || status == 405 || status == 501;
}
}  // namespace

CCalDavCollection::CCalDavCollection(CDavTransport& transport) : m_transport(transport) {}

QString CCalDavCollection::Where() const {
    return m_transport.Account().collection.toDisplayString(QUrl::RemoveUserInfo);
}

void CCalDavCollection::Refuse(int status, const QString& what) const {
    if (status == 404)
        throw CSyncError(
            QCoreApplication::translate("CalDav", "There is no calendar at %1.").arg(Where()));
    throw CSyncError(QCoreApplication::translate(
                         "CalDav", "The CalDAV server at %1 answered %2 when asked to %3.")
                         .arg(Where())
                         .arg(status)
                         .arg(what));
}

QString CCalDavCollection::Normal(const QString& href) const {
    const QUrl member = m_transport.Account().collection.resolved(QUrl(href));
    return QString::fromLatin1(
        QUrl::toPercentEncoding(member.path(QUrl::FullyDecoded), QByteArrayLiteral("/")));
}

QString CCalDavCollection::MemberHref(const QString& uid) const {
    return Normal(QString::fromLatin1(QUrl::toPercentEncoding(uid + QStringLiteral(".ics"))));
}

bool CCalDavCollection::Contains(const QString& href) const {
    const QUrl collection = m_transport.Account().collection;
    const QUrl member = collection.resolved(QUrl(href));
    const QString path = Normal(href);
    const QString own = Normal(collection.path());
    return member.scheme() == collection.scheme() && member.host() == collection.host() &&
           member.port() == collection.port() && path.startsWith(own) && path != own;
}

void CCalDavCollection::Normalise(std::vector<DavResource>& resources) const {
    for (DavResource& resource : resources) resource.href = Normal(resource.href);
}

DavMultistatus CCalDavCollection::Report(const QByteArray& body, const QString& what) {
    const DavReply reply =
        m_transport.SendOne({"REPORT", m_transport.Account().collection, body, {{"Depth", "1"}}});
    if (reply.status != kMultistatus)
        Refuse(reply.status, what);
    return davxml::ParseMultistatus(reply.body);
}

ServerListing CCalDavCollection::FullListing() {
    const DavMultistatus all = Report(
        davxml::EventEtags(), QCoreApplication::translate("CalDav", "list the calendar's events"));
    ServerListing listing{QString(), true, false, all.resources};
    Normalise(listing.resources);
    return listing;
}

ServerListing CCalDavCollection::List(const QString& syncToken, bool withData) {
    const DavRequest request{"REPORT",
                             m_transport.Account().collection,
                             davxml::SyncCollection(syncToken, withData),
                             {{"Depth", "1"}}};
    DavReply reply;
    try {
        reply = m_transport.SendOne(request);
    } catch (const CSyncError&) {
        if (!withData)
            throw;
        return List(syncToken, false);
    }
    if (withData && reply.status != kMultistatus)
        return List(syncToken, false);
    // A token the server no longer knows, or a change list too long for it,
    // costs a full listing, never a failed sync.
    if (!syncToken.isEmpty() && (TokenRejected(reply.status) || reply.status == 501 ||
                                 reply.status == kInsufficientStorage))
        return List(QString());
    if (syncToken.isEmpty() && ReportUnsupported(reply.status))
        return FullListing();
    if (reply.status != kMultistatus)
        Refuse(reply.status, QCoreApplication::translate("CalDav", "list the calendar's changes"));
    DavMultistatus changes = davxml::ParseMultistatus(reply.body);
    ServerListing listing{changes.syncToken, syncToken.isEmpty(), false, {}};
    const QString own = Normal(m_transport.Account().collection.path());
    for (DavResource& resource : changes.resources) {
        resource.href = Normal(resource.href);
        // The collection itself answering 507: the list was cut short.
        if (resource.href == own) {
            listing.truncated = listing.truncated || resource.status == kInsufficientStorage;
            continue;
        }
        listing.resources.push_back(std::move(resource));
    }
    listing.complete = listing.complete && !listing.truncated;
    return listing;
}

std::vector<DavResource> CCalDavCollection::Fetch(const QStringList& hrefs) {
    std::vector<DavResource> fetched;
    for (int first = 0; first < hrefs.size(); first += kFetchBatch) {
        DavMultistatus batch =
            Report(davxml::Multiget(hrefs.mid(first, kFetchBatch)),
                   QCoreApplication::translate("CalDav", "send the calendar's events"));
        Normalise(batch.resources);
        for (DavResource& resource : batch.resources) fetched.push_back(std::move(resource));
    }
    return fetched;
}

void CCalDavCollection::RefuseWrite(const MemberWrite& write, int status) const {
    Refuse(status, QStringLiteral("%1 %2").arg(
                       write.data.isEmpty() ? QStringLiteral("delete") : QStringLiteral("store"),
                       write.href));
}

DavRequest CCalDavCollection::Request(const MemberWrite& write) const {
    DavRequest request{write.data.isEmpty() ? "DELETE" : "PUT",
                       m_transport.Account().collection.resolved(QUrl(write.href)),
                       write.data,
                       {}};
    if (!write.etag.isEmpty())
        request.headers.append(qMakePair(QByteArray("If-Match"), write.etag));
    else if (!write.data.isEmpty())
        request.headers.append(qMakePair(QByteArray("If-None-Match"), QByteArray("*")));
    return request;
}

// A PUT to a member that does not exist, on condition that it has an ETag
// no member has: a server that keeps to If-Match refuses it, one that
// ignores it stores it (and the stray member is deleted at once).
bool CCalDavCollection::HonoursIfMatch() {
    if (m_honoursIfMatch >= 0)
        return m_honoursIfMatch == 1;
    const QString uid =
        QStringLiteral("plenda-probe-") + QUuid::createUuid().toString(QUuid::Id128);
    const QByteArray event = QStringLiteral(
                                 "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Plenda//"
                                 "probe//EN\r\nBEGIN:VEVENT\r\nUID:%1\r\nDTSTAMP:"
                                 "20000101T000000Z\r\nDTSTART;VALUE=DATE:20000101\r\n"
                                 "END:VEVENT\r\nEND:VCALENDAR\r\n")
                                 .arg(uid)
                                 .toUtf8();
    const DavReply reply =
        m_transport.SendOne(Request({MemberHref(uid), event, "\"plenda-none\""}));
    m_honoursIfMatch = reply.status >= 200 && reply.status <= 299 ? 0 : 1;
    if (m_honoursIfMatch == 0)
        m_transport.SendOne(Request({MemberHref(uid), {}, {}}));
    return m_honoursIfMatch == 1;
}

std::vector<bool> CCalDavCollection::ChangedMeanwhile(const std::vector<MemberWrite>& writes) {
    std::vector<bool> changed(writes.size(), false);
    QStringList conditional;
    for (const MemberWrite& write : writes)
        if (!write.etag.isEmpty())
            conditional.append(write.href);
    if (conditional.isEmpty() || HonoursIfMatch())
        return changed;
    std::map<QString, DavResource> now;
    for (DavResource& resource : Fetch(conditional)) now[resource.href] = std::move(resource);
    for (size_t i = 0; i < writes.size(); ++i) {
        if (writes[i].etag.isEmpty())
            continue;
        const auto it = now.find(writes[i].href);
        // Gone meanwhile: a DELETE has nothing left to do, a PUT would bring
        // it back.
        if (it == now.end() || it->second.status == 404)
            changed[i] = !writes[i].data.isEmpty();
        else
            changed[i] =
                it->second.etag != writes[i].etag && it->second.calendarData != writes[i].basis;
    }
    return changed;
}

std::vector<WriteResult> CCalDavCollection::Write(const std::vector<MemberWrite>& writes) {
    const std::vector<bool> changed = ChangedMeanwhile(writes);
    std::vector<DavRequest> requests;
    for (size_t i = 0; i < writes.size(); ++i)
        if (!changed[i])
            requests.push_back(Request(writes[i]));
    const std::vector<DavReply> replies = m_transport.Send(requests, kWritesInFlight);
    std::vector<WriteResult> results;
    auto reply = replies.begin();
    for (size_t i = 0; i < writes.size(); ++i) {
        if (changed[i]) {
            results.push_back({WriteResult::Changed, 412, {}, writes[i].href});
            continue;
        }
        results.push_back(Outcome(writes[i], *reply++));
    }
    return results;
}

WriteResult CCalDavCollection::Outcome(const MemberWrite& write, const DavReply& reply) const {
    WriteResult result{WriteResult::Failed, reply.status, reply.etag, write.href};
    // A member already gone is what a DELETE wanted.
    const bool goneAlready = write.data.isEmpty() && reply.status == 404;
    if ((reply.status >= 200 && reply.status <= 299) || goneAlready)
        result.outcome = WriteResult::Stored;
    else if (reply.status == 412)
        result.outcome = WriteResult::Changed;
    else if (reply.status == 403 || reply.status == 409 || reply.status == kInsufficientStorage)
        result.outcome = WriteResult::Refused;
    if (!reply.location.isEmpty() && result.outcome == WriteResult::Stored &&
        Contains(QString::fromUtf8(reply.location)))
        result.href = Normal(QString::fromUtf8(reply.location));
    return result;
}
