// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSslConfiguration>
#include <QString>
#include <QUrl>
#include <memory>
#include <vector>

#include "sync/DavExchange.h"

class QNetworkAccessManager;
class QNetworkReply;

// The account a collection is reached with.
struct DavAccount {
    QUrl collection;
    QString user;
    QString password;
    // A PEM or DER file of certificate authorities trusted besides the
    // system's (a private CA, a self-signed server); empty for none.
    QString caFile = {};
};

// How long and how much a server may take before a request counts as failed.
struct DavLimits {
    int stallMilliseconds = 30000;      // no byte at all for this long
    int deadlineMilliseconds = 120000;  // the whole request, however it trickles
    qint64 maxReplyBytes = 64LL << 20;  // one reply's body
};

// Sends WebDAV requests over Qt Network with the account's credentials and
// waits for them in a local event loop, keeping a few in flight at once.
// Certificates are checked (against the system's authorities and the
// account's CA file); a redirect is followed, with the same method and body,
// only to the same scheme, host and port, as the credentials go with it.
// A thread asked to stop (QThread::requestInterruption) ends the wait
// within a tenth of a second.
class CDavTransport {
public:
    CDavTransport(DavAccount account, int timeoutMilliseconds);
    // Throws CSyncError when the account's CA file holds no certificate.
    CDavTransport(DavAccount account, const DavLimits& limits);
    ~CDavTransport();
    CDavTransport(const CDavTransport&) = delete;
    CDavTransport& operator=(const CDavTransport&) = delete;

    // The replies in the order of the requests. Throws CSyncError when a
    // request got no whole HTTP answer in time, the server refused the
    // credentials, or the thread was asked to stop.
    std::vector<DavReply> Send(const std::vector<DavRequest>& requests, int inFlight = 4);
    DavReply SendOne(const DavRequest& request);

    const DavAccount& Account() const { return m_account; }
    // Requests sent so far (a followed redirect counts), for the benchmarks
    // and the tests.
    int RequestCount() const { return m_requestCount; }

private:
    struct Batch;

    void LaunchNext(Batch& batch);
    void Launch(Batch& batch, size_t index, const QUrl& url, int hops);
    void Land(Batch& batch, size_t index, QNetworkReply& reply, const QUrl& url, int hops,
              const QString& fault);
    QNetworkReply* Start(const DavRequest& request, const QUrl& url);
    void RequireAnswered(const DavReply& reply) const;

    DavAccount m_account;
    DavLimits m_limits;
    QSslConfiguration m_tls;
    int m_requestCount = 0;
    std::unique_ptr<QNetworkAccessManager> m_manager;
};

// Said once before a sync whose password would cross the network in clear
// text (http to a host other than this machine); empty otherwise.
QString CleartextWarning(const QUrl& collection);
// Why no certificate can be read from a CA file; empty when one can.
QString CaFileProblem(const QString& caFile);
// True when a typed address carries a password of its own, which would be
// kept in the settings and shown in messages.
bool AddressHoldsPassword(const QString& typed);
