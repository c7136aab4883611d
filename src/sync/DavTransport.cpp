// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/DavTransport.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <functional>

#include "sync/SyncError.h"

namespace {
QByteArray ContentType(const QByteArray& method) {
    return method == "PUT" ? QByteArrayLiteral("text/calendar; charset=utf-8")
                           : QByteArrayLiteral("application/xml; charset=utf-8");
}

QString FailureText(const QNetworkReply& reply, const QUrl& url) {
    const QString where = url.toDisplayString(QUrl::RemoveUserInfo);
    switch (reply.error()) {
        case QNetworkReply::SslHandshakeFailedError:
            return QStringLiteral("The secure connection to %1 failed: %2")
                .arg(where, reply.errorString());
        case QNetworkReply::TimeoutError:
        case QNetworkReply::OperationCanceledError:
            return QStringLiteral("The CalDAV server at %1 did not answer in time.").arg(where);
        default:
            return QStringLiteral("Cannot reach the CalDAV server at %1: %2")
                .arg(where, reply.errorString());
    }
}
}  // namespace

CDavTransport::CDavTransport(DavAccount account, int timeoutMilliseconds)
    : m_account(std::move(account)),
      m_timeoutMilliseconds(timeoutMilliseconds),
      m_manager(std::make_unique<QNetworkAccessManager>()) {
    // The credentials travel with every request, so a redirect is followed
    // only to the same scheme, host and port.
    m_manager->setRedirectPolicy(QNetworkRequest::SameOriginRedirectPolicy);
}

CDavTransport::~CDavTransport() = default;

QNetworkReply* CDavTransport::Start(const DavRequest& request) {
    QNetworkRequest out(request.url);
    const QByteArray credentials =
        (m_account.user + QLatin1Char(':') + m_account.password).toUtf8();
    // Sent with the first request: a challenge round trip per request would
    // double the traffic of every sync.
    out.setRawHeader("Authorization", "Basic " + credentials.toBase64());
    out.setRawHeader("Content-Type", ContentType(request.method));
    for (const auto& [name, value] : request.headers) out.setRawHeader(name, value);
    out.setTransferTimeout(m_timeoutMilliseconds);
    ++m_requestCount;
    return m_manager->sendCustomRequest(out, request.method, request.body);
}

DavReply CDavTransport::Collect(QNetworkReply& reply) {
    DavReply result;
    result.status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.etag = reply.rawHeader("ETag");
    result.location = reply.rawHeader("Location");
    result.body = reply.readAll();
    if (result.status == 0)
        result.error = FailureText(reply, reply.request().url());
    return result;
}

void CDavTransport::RequireAnswered(const DavReply& reply) const {
    if (reply.status == 0)
        throw CSyncError(reply.error);
    if (reply.status == 401)
        throw CSyncError(
            QStringLiteral("The CalDAV server at %1 refused the user name or password.")
                .arg(m_account.collection.toDisplayString(QUrl::RemoveUserInfo)));
}

std::vector<DavReply> CDavTransport::Send(const std::vector<DavRequest>& requests, int inFlight) {
    std::vector<DavReply> replies(requests.size());
    size_t next = 0;
    size_t done = 0;
    QEventLoop loop;
    std::function<void()> startNext = [&] {
        const size_t index = next++;
        QNetworkReply* reply = Start(requests[index]);
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&, reply, index] {
            replies[index] = Collect(*reply);
            reply->deleteLater();
            if (next < requests.size())
                startNext();
            if (++done == requests.size())
                loop.quit();
        });
    };
    while (next < requests.size() && next < static_cast<size_t>(std::max(inFlight, 1))) startNext();
    if (!requests.empty())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    for (const DavReply& reply : replies) RequireAnswered(reply);
    return replies;
}

DavReply CDavTransport::SendOne(const DavRequest& request) {
    return Send({request}, 1).front();
}
