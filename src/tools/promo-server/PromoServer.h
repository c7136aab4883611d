// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP/1.0 server that answers the calendar's promotion GET
//     <path>?clientid=..&productid=..&userid=..&regname=..&email=..&optin=..&tran=promo
// with the plain-text message for that client and product from a messages
// file (re-read at every request, so it can be edited while the server runs),
// or with a text starting "Error," the calendar shows to its user. Any other
// path gets a 404 page.
class CPromoServer : public QObject {
    Q_OBJECT
public:
    CPromoServer(QString messagesPath, QString path = QStringLiteral("/promo"),
                 QObject* parent = nullptr);

    // Port 0 picks a free port; see Port().
    bool Listen(const QHostAddress& address, quint16 port, QString* error);
    quint16 Port() const { return m_server.serverPort(); }
    int RequestsServed() const { return m_requestsServed; }

    // The reply body and status for one request target ("/promo?clientid=...").
    struct Answer {
        int status = 200;
        QByteArray contentType;
        QByteArray body;
    };
    Answer AnswerFor(const QByteArray& target) const;

    // Request heads larger than this are refused.
    static constexpr qsizetype kMaxHeadBytes = 8 * 1024;
    // A connection is closed this long after it was accepted.
    static constexpr int kConnectionTimeoutMs = 10000;

private:
    void AcceptConnections();
    void ReadRequest(QTcpSocket* socket);
    void Respond(QTcpSocket* socket, const Answer& answer);
    Answer PromotionAnswer(const QString& query) const;

    QTcpServer m_server;
    QString m_messagesPath;
    QString m_path;
    QHash<QTcpSocket*, QByteArray> m_pending;
    int m_requestsServed = 0;
};
