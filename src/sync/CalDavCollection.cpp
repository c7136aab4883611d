// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/CalDavCollection.h"

#include "sync/DavTransport.h"
#include "sync/SyncError.h"

namespace {
constexpr int kMultistatus = 207;
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
        throw CSyncError(QStringLiteral("There is no calendar at %1.").arg(Where()));
    throw CSyncError(QStringLiteral("The CalDAV server at %1 answered %2 when asked to %3.")
                         .arg(Where())
                         .arg(status)
                         .arg(what));
}

QString CCalDavCollection::MemberHref(const QString& uid) const {
    return m_transport.Account().collection.path() + uid + QStringLiteral(".ics");
}

bool CCalDavCollection::Contains(const QString& href) const {
    const QUrl collection = m_transport.Account().collection;
    const QUrl member = collection.resolved(QUrl(href));
    return member.scheme() == collection.scheme() && member.host() == collection.host() &&
           member.port() == collection.port() && member.path().startsWith(collection.path()) &&
           member.path() != collection.path();
}

DavMultistatus CCalDavCollection::Report(const QByteArray& body, const QString& what) {
    const DavReply reply =
        m_transport.SendOne({"REPORT", m_transport.Account().collection, body, {{"Depth", "1"}}});
    if (reply.status != kMultistatus)
        Refuse(reply.status, what);
    return davxml::ParseMultistatus(reply.body);
}

ServerListing CCalDavCollection::List(const QString& syncToken) {
    const DavRequest request{"REPORT",
                             m_transport.Account().collection,
                             davxml::SyncCollection(syncToken),
                             {{"Depth", "1"}}};
    DavReply reply = m_transport.SendOne(request);
    if (!syncToken.isEmpty() && TokenRejected(reply.status))
        return List(QString());
    if (syncToken.isEmpty() && ReportUnsupported(reply.status)) {
        const DavMultistatus all =
            Report(davxml::EventEtags(), QStringLiteral("list the calendar's events"));
        return {QString(), true, all.resources};
    }
    if (reply.status != kMultistatus)
        Refuse(reply.status, QStringLiteral("list the calendar's changes"));
    DavMultistatus changes = davxml::ParseMultistatus(reply.body);
    return {changes.syncToken, syncToken.isEmpty(), std::move(changes.resources)};
}

std::vector<DavResource> CCalDavCollection::Fetch(const QStringList& hrefs) {
    std::vector<DavResource> fetched;
    for (int first = 0; first < hrefs.size(); first += kFetchBatch) {
        DavMultistatus batch = Report(davxml::Multiget(hrefs.mid(first, kFetchBatch)),
                                      QStringLiteral("send the calendar's events"));
        for (DavResource& resource : batch.resources) fetched.push_back(std::move(resource));
    }
    return fetched;
}

std::vector<std::optional<QByteArray>> CCalDavCollection::Write(
    const std::vector<MemberWrite>& writes) {
    const QUrl collection = m_transport.Account().collection;
    std::vector<DavRequest> requests;
    for (const MemberWrite& write : writes) {
        DavRequest request{write.data.isEmpty() ? "DELETE" : "PUT",
                           collection.resolved(QUrl(write.href)),
                           write.data,
                           {}};
        if (!write.etag.isEmpty())
            request.headers.append(qMakePair(QByteArray("If-Match"), write.etag));
        else if (!write.data.isEmpty())
            request.headers.append(qMakePair(QByteArray("If-None-Match"), QByteArray("*")));
        requests.push_back(std::move(request));
    }
    const std::vector<DavReply> replies = m_transport.Send(requests, kWritesInFlight);
    std::vector<std::optional<QByteArray>> etags;
    for (size_t i = 0; i < replies.size(); ++i) {
        const int status = replies[i].status;
        if (status == 412) {
            etags.push_back(std::nullopt);
            continue;
        }
        // A member already gone is what a DELETE wanted.
        const bool goneAlready = requests[i].method == "DELETE" && status == 404;
        if ((status < 200 || status > 299) && !goneAlready)
            Refuse(status, QStringLiteral("%1 %2").arg(requests[i].method == "PUT"
                                                           ? QStringLiteral("store")
                                                           : QStringLiteral("delete"),
                                                       writes[i].href));
        etags.push_back(replies[i].etag);
    }
    return etags;
}
