// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
};

// Sends WebDAV requests over Qt Network with the account's credentials and
// waits for them in a local event loop, keeping a few in flight at once.
// Certificates are checked; a redirect never leads to another origin.
class CDavTransport {
public:
    CDavTransport(DavAccount account, int timeoutMilliseconds);
    ~CDavTransport();
    CDavTransport(const CDavTransport&) = delete;
    CDavTransport& operator=(const CDavTransport&) = delete;

    // The replies in the order of the requests. Throws CSyncError when a
    // request got no HTTP answer or the server refused the credentials.
    std::vector<DavReply> Send(const std::vector<DavRequest>& requests, int inFlight = 4);
    DavReply SendOne(const DavRequest& request);

    const DavAccount& Account() const { return m_account; }
    // Requests sent so far, for the benchmarks and the tests.
    int RequestCount() const { return m_requestCount; }

private:
    QNetworkReply* Start(const DavRequest& request);
    static DavReply Collect(QNetworkReply& reply);
    void RequireAnswered(const DavReply& reply) const;

    DavAccount m_account;
    int m_timeoutMilliseconds;
    int m_requestCount = 0;
    std::unique_ptr<QNetworkAccessManager> m_manager;
};
