// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QUrl>
#include <functional>

// Stands on 127.0.0.1 between a client and a real server on another port,
// passing each request on and letting the test rewrite the request and the
// answer: for what real servers do, but not on demand (no ETag, a refused
// token, one refused write). Runs in the client's thread: the transport's
// event loop serves it.
class QuirkProxy {
public:
    // Rewrites one exchange in place; the request before it is sent on.
    using Quirk = std::function<void(QByteArray& request, QByteArray& answer, bool sent)>;

    QuirkProxy(quint16 serverPort, Quirk quirk);
    // `url` with the proxy's port.
    QUrl Through(QUrl url) const;

private:
    void Serve(QTcpSocket* client);

    quint16 m_serverPort;
    Quirk m_quirk;
    QTcpServer m_listener;
};
