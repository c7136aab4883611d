// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/QuirkProxy.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <stdexcept>

namespace {
// Whether `bytes` hold one whole request: the head and a body of the length
// the head names.
bool Whole(const QByteArray& bytes) {
    const int head = bytes.indexOf("\r\n\r\n");
    const QString length = QRegularExpression("(?i)content-length:\\s*(\\d+)")
                               .match(QString::fromLatin1(bytes.left(head)))
                               .captured(1);
    return head >= 0 && bytes.size() >= head + 4 + length.toInt();
}

QByteArray WithoutHeader(const QByteArray& message, const QString& name) {
    return QString::fromLatin1(message)
        .remove(QRegularExpression("(?i)\r\n" + name + ":[^\r]*"))
        .toLatin1();
}

// One connection per exchange, so that the answer ends with the connection.
QByteArray Closing(QByteArray message) {
    message = WithoutHeader(message, "connection");
    return message.replace(message.indexOf("\r\n"), 2, "\r\nConnection: close\r\n");
}
}  // namespace

QuirkProxy::QuirkProxy(quint16 serverPort, Quirk quirk)
    : m_serverPort(serverPort), m_quirk(std::move(quirk)) {
    if (!m_listener.listen(QHostAddress::LocalHost, 0))
        throw std::runtime_error("no free port on 127.0.0.1");
    QObject::connect(&m_listener, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* client = m_listener.nextPendingConnection())
            QObject::connect(client, &QTcpSocket::readyRead, client,
                             [this, client] { Serve(client); });
    });
}

QUrl QuirkProxy::Through(QUrl url) const {
    url.setPort(m_listener.serverPort());
    return url;
}

void QuirkProxy::Serve(QTcpSocket* client) {
    QByteArray request = client->property("request").toByteArray() + client->readAll();
    client->setProperty("request", request);
    if (!Whole(request))
        return;
    QByteArray answer;
    m_quirk(request, answer, false);
    if (answer.isEmpty()) {
        QTcpSocket server;
        server.connectToHost(QHostAddress::LocalHost, m_serverPort);
        server.waitForConnected(5000);
        // Plain bodies, for the quirks to rewrite.
        server.write(Closing(WithoutHeader(request, "accept-encoding")));
        while (server.waitForReadyRead(10000)) answer += server.readAll();
        m_quirk(request, answer, true);
    }
    // The answer is read to its end, so a rewritten body needs no length.
    client->write(Closing(WithoutHeader(answer, "content-length")));
    QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
    client->disconnectFromHost();
}
