// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/DavTransport.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSet>
#include <QSslCertificate>
#include <QThread>
#include <QTimer>

#include "sync/SyncError.h"

namespace {
constexpr int kMostRedirects = 5;
constexpr int kCancelPollMilliseconds = 100;

QByteArray ContentType(const QByteArray& method) {
    return method == "PUT" ? QByteArrayLiteral("text/calendar; charset=utf-8")
                           : QByteArrayLiteral("application/xml; charset=utf-8");
}

QString Where(const QUrl& url) {
    return url.toDisplayString(QUrl::RemoveUserInfo);
}

QString LateText(const QUrl& url) {
    return QCoreApplication::translate("CalDav", "The CalDAV server at %1 did not answer in time.")
        .arg(Where(url));
}

QString FailureText(const QNetworkReply& reply, const QUrl& url) {
    switch (reply.error()) {
        case QNetworkReply::SslHandshakeFailedError:
            return QCoreApplication::translate(
                       "CalDav",
                       "The secure connection to %1 failed: %2 (a server with a "
                       "private certificate authority needs --ca-file)")
                .arg(Where(url), reply.errorString());
        case QNetworkReply::TimeoutError:
        case QNetworkReply::OperationCanceledError:
            return LateText(url);
        default:
            // Qt's own text names the URL it was given, which is Where's.
            return QCoreApplication::translate("CalDav", "Cannot reach the CalDAV server at %1: %2")
                .arg(Where(url), reply.errorString());
    }
}

// A network fault (Qt's codes below the HTTP ones) means the answer, if
// any began, was cut short: a status that came first is no answer.
bool Answered(const QNetworkReply& reply) {
    const QNetworkReply::NetworkError error = reply.error();
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 0 &&
           (error == QNetworkReply::NoError || error >= QNetworkReply::ContentAccessDenied);
}

bool SameOrigin(const QUrl& a, const QUrl& b) {
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(a.scheme() == QLatin1String("https") ? 443 : 80) ==
               b.port(b.scheme() == QLatin1String("https") ? 443 : 80);
}

bool IsRedirect(int status) {
    return status == 301 || status == 302 || status == 307 || status == 308;
}

DavReply Collect(QNetworkReply& reply, const QUrl& url, const QString& fault) {
    DavReply result;
    if (!fault.isEmpty()) {
        result.error = fault;
    } else if (!Answered(reply)) {
        result.error = FailureText(reply, url);
    } else {
        result.status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        result.etag = reply.rawHeader("ETag");
        result.location = reply.rawHeader("Location");
        result.body = reply.readAll();
    }
    return result;
}

QList<QSslCertificate> Authorities(const QString& caFile) {
    const QList<QSslCertificate> pem = QSslCertificate::fromPath(caFile, QSsl::Pem);
    return pem.isEmpty() ? QSslCertificate::fromPath(caFile, QSsl::Der) : pem;
}

QSslConfiguration TlsWith(const QString& caFile) {
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    if (caFile.isEmpty())
        return tls;
    if (const QString problem = CaFileProblem(caFile); !problem.isEmpty())
        throw CSyncError(problem);
    tls.addCaCertificates(Authorities(caFile));
    return tls;
}
}  // namespace

// The requests of one Send and what has become of them.
struct CDavTransport::Batch {
    explicit Batch(const std::vector<DavRequest>& all) : requests(all), replies(all.size()) {}

    const std::vector<DavRequest>& requests;
    std::vector<DavReply> replies;
    size_t next = 0;
    size_t done = 0;
    QSet<QNetworkReply*> running;
    bool cancelled = false;
    QEventLoop loop;
};

CDavTransport::CDavTransport(DavAccount account, int timeoutMilliseconds)
    : CDavTransport(std::move(account), DavLimits{timeoutMilliseconds, 4 * timeoutMilliseconds,
                                                  DavLimits{}.maxReplyBytes}) {}

CDavTransport::CDavTransport(DavAccount account, const DavLimits& limits)
    : m_account(std::move(account)),
      m_limits(limits),
      m_tls(TlsWith(m_account.caFile)),
      m_manager(std::make_unique<QNetworkAccessManager>()) {
    // Redirects are followed here, where the method and body are kept and
    // the origin is checked; Qt's own following changes some methods to GET.
    m_manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

CDavTransport::~CDavTransport() = default;

QNetworkReply* CDavTransport::Start(const DavRequest& request, const QUrl& url) {
    QNetworkRequest out(url.adjusted(QUrl::RemoveUserInfo));
    const QByteArray credentials =
        (m_account.user + QLatin1Char(':') + m_account.password).toUtf8();
    // Sent with the first request: a challenge round trip per request would
    // double the traffic of every sync.
    out.setRawHeader("Authorization", "Basic " + credentials.toBase64());
    out.setRawHeader("Content-Type", ContentType(request.method));
    for (const auto& [name, value] : request.headers) out.setRawHeader(name, value);
    out.setTransferTimeout(m_limits.stallMilliseconds);
    if (url.scheme() == QLatin1String("https"))
        out.setSslConfiguration(m_tls);
    ++m_requestCount;
    return m_manager->sendCustomRequest(out, request.method, request.body);
}

void CDavTransport::LaunchNext(Batch& batch) {
    const size_t index = batch.next++;
    Launch(batch, index, batch.requests[index].url, 0);
}

// One attempt at a request: the deadline and the size limit abort it with
// their own message.
void CDavTransport::Launch(Batch& batch, size_t index, const QUrl& url, int hops) {
    QNetworkReply* reply = Start(batch.requests[index], url);
    batch.running.insert(reply);
    auto fault = std::make_shared<QString>();
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [reply, fault, url] {
        *fault = LateText(url);
        reply->abort();
    });
    deadline->start(m_limits.deadlineMilliseconds);
    const qint64 most = m_limits.maxReplyBytes;
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply, fault, url, most](qint64 received, qint64 total) {
                         if (std::max(received, total) <= most || !fault->isEmpty())
                             return;
                         *fault = QCoreApplication::translate(
                                      "CalDav",
                                      "The CalDAV server at %1 sent a reply larger than %2 MB; "
                                      "nothing of it was used.")
                                      .arg(Where(url))
                                      .arg(most >> 20);
                         reply->abort();
                     });
    QObject::connect(reply, &QNetworkReply::finished, &batch.loop,
                     [this, &batch, index, reply, url, hops, fault] {
                         Land(batch, index, *reply, url, hops, *fault);
                     });
}

void CDavTransport::Land(Batch& batch, size_t index, QNetworkReply& reply, const QUrl& url,
                         int hops, const QString& fault) {
    batch.running.remove(&reply);
    reply.deleteLater();
    if (batch.cancelled)
        return;
    QString why = fault;
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (why.isEmpty() && Answered(reply) && IsRedirect(status)) {
        const QUrl target =
            url.resolved(reply.attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        if (SameOrigin(url, target) && hops < kMostRedirects)
            return Launch(batch, index, target, hops + 1);
        why = SameOrigin(url, target)
                  ? QCoreApplication::translate(
                        "CalDav", "The CalDAV server at %1 redirected too many times.")
                        .arg(Where(url))
                  : QCoreApplication::translate(
                        "CalDav",
                        "The CalDAV server at %1 redirected to another server (%2), "
                        "which is not followed, as the password would go with it.")
                        .arg(Where(url), Where(target));
    }
    batch.replies[index] = Collect(reply, url, why);
    if (batch.next < batch.requests.size())
        LaunchNext(batch);
    if (++batch.done == batch.requests.size())
        batch.loop.quit();
}

void CDavTransport::RequireAnswered(const DavReply& reply) const {
    if (reply.status == 0)
        throw CSyncError(reply.error);
    if (reply.status == 401)
        throw CSyncError(QCoreApplication::translate(
                             "CalDav", "The CalDAV server at %1 refused the user name or password.")
                             .arg(Where(m_account.collection)));
}

std::vector<DavReply> CDavTransport::Send(const std::vector<DavRequest>& requests, int inFlight) {
    if (requests.empty())
        return {};
    Batch batch(requests);
    QTimer cancelPoll;
    QObject::connect(&cancelPoll, &QTimer::timeout, &batch.loop, [&batch] {
        if (!QThread::currentThread()->isInterruptionRequested())
            return;
        batch.cancelled = true;
        batch.loop.quit();
    });
    cancelPoll.start(kCancelPollMilliseconds);
    while (batch.next < requests.size() && batch.next < static_cast<size_t>(std::max(inFlight, 1)))
        LaunchNext(batch);
    if (batch.done < requests.size())
        batch.loop.exec(QEventLoop::ExcludeUserInputEvents);
    // Replies still running belong to nobody once the batch is gone.
    for (QNetworkReply* reply : std::as_const(batch.running)) {
        reply->disconnect();
        reply->abort();
        reply->deleteLater();
    }
    if (batch.cancelled)
        throw CSyncError(QCoreApplication::translate("CalDav", "The sync was cancelled."));
    for (const DavReply& reply : batch.replies) RequireAnswered(reply);
    return std::move(batch.replies);
}

DavReply CDavTransport::SendOne(const DavRequest& request) {
    return Send({request}, 1).front();
}

QString CleartextWarning(const QUrl& collection) {
    const QHostAddress address(collection.host());
    const bool local =
        collection.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
        (!address.isNull() && address.isLoopback());
    if (collection.scheme() != QLatin1String("http") || local)
        return {};
    return QStringLiteral("the password travels unencrypted to %1 (http, not https).")
        .arg(collection.host());
}

bool AddressHoldsPassword(const QString& typed) {
    QString text = typed.trimmed();
    if (!text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("https://"));
    return !QUrl(text, QUrl::TolerantMode).password().isEmpty();
}

QString CaFileProblem(const QString& caFile) {
    if (!Authorities(caFile).isEmpty())
        return {};
    return QCoreApplication::translate("CalDav", "No certificate can be read from %1.").arg(caFile);
}
