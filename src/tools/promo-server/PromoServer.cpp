// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/promo-server/PromoServer.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

#include "tools/promo-server/PromoMessages.h"

namespace {

const QByteArray kPlainText("text/plain; charset=utf-8");
const QByteArray kHtml("text/html; charset=utf-8");

CPromoServer::Answer PlainAnswer(const QString& text) {
    return {200, kPlainText, text.toUtf8()};
}

CPromoServer::Answer NotFoundPage() {
    return {404, kHtml,
            "<html><head><title>404 Not Found</title></head>"
            "<body><h1>Not Found</h1><p>The requested URL was not found on this server.</p>"
            "</body></html>\n"};
}

QByteArray StatusLine(int status) {
    switch (status) {
        case 200:
            return "HTTP/1.0 200 OK";
        case 404:
            return "HTTP/1.0 404 Not Found";
        default:
            return "HTTP/1.0 400 Bad Request";
    }
}

// The value of `key` with percent escapes decoded (the calendar sends the
// values as they are, so plain text arrives unchanged).
QString QueryValue(const QUrlQuery& query, const QString& key) {
    return query.queryItemValue(key, QUrl::FullyDecoded);
}

}  // namespace

CPromoServer::CPromoServer(QString messagesPath, QString path, QObject* parent)
    : QObject(parent), m_messagesPath(std::move(messagesPath)), m_path(std::move(path)) {
    connect(&m_server, &QTcpServer::newConnection, this, &CPromoServer::AcceptConnections);
}

bool CPromoServer::Listen(const QHostAddress& address, quint16 port, QString* error) {
    if (m_server.listen(address, port))
        return true;
    if (error)
        *error = m_server.errorString();
    return false;
}

void CPromoServer::AcceptConnections() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        // A client that never finishes its request must not hold the
        // connection for ever.
        QTimer::singleShot(kConnectionTimeoutMs, socket, [socket] { socket->abort(); });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { ReadRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void CPromoServer::ReadRequest(QTcpSocket* socket) {
    QByteArray& head = m_pending[socket];
    head.append(socket->readAll());
    const qsizetype end = head.indexOf("\r\n\r\n");
    if (end < 0) {
        if (head.size() > kMaxHeadBytes)
            Respond(socket, {400, kPlainText, "Error,BadRequest,request too large"});
        return;
    }
    // "GET <target> HTTP/1.x"
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    if (requestLine.size() != 3 || requestLine[0] != "GET")
        Respond(socket, {400, kPlainText, "Error,BadRequest,only GET is served"});
    else
        Respond(socket, AnswerFor(requestLine[1]));
}

void CPromoServer::Respond(QTcpSocket* socket, const Answer& answer) {
    m_pending.remove(socket);
    // Stop reading: one request per connection.
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    QByteArray reply = StatusLine(answer.status);
    reply += "\r\nContent-Type: " + answer.contentType;
    reply += "\r\nContent-Length: " + QByteArray::number(answer.body.size());
    reply += "\r\nConnection: close\r\n\r\n" + answer.body;
    socket->write(reply);
    socket->disconnectFromHost();
    ++m_requestsServed;
}

CPromoServer::Answer CPromoServer::AnswerFor(const QByteArray& target) const {
    const QUrl url = QUrl::fromEncoded(target, QUrl::TolerantMode);
    if (!url.isValid() || url.path() != m_path)
        return NotFoundPage();
    return PromotionAnswer(url.query(QUrl::FullyEncoded));
}

CPromoServer::Answer CPromoServer::PromotionAnswer(const QString& queryText) const {
    const QUrlQuery query(queryText);
    if (QueryValue(query, QStringLiteral("tran")) != QLatin1String("promo"))
        return PlainAnswer(QStringLiteral("Error,BadRequest,unknown transaction"));
    CPromoMessages messages;
    QString error;
    if (!messages.Load(m_messagesPath, &error))
        return PlainAnswer(QStringLiteral("Error,Server,messages unavailable"));
    const QString client = QueryValue(query, QStringLiteral("clientid"));
    const QString product = QueryValue(query, QStringLiteral("productid"));
    if (!messages.HasClient(client))
        return PlainAnswer(QStringLiteral("Error,UnknownClient,%1").arg(client));
    const QString message = messages.Find(client, product);
    if (message.isEmpty())
        return PlainAnswer(QStringLiteral("Error,UnknownProduct,%1").arg(product));
    return PlainAnswer(message);
}
