// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QLocalSocket>

namespace {
const QByteArray kRaise = QByteArrayLiteral("raise\n");
const QByteArray kRaised = QByteArrayLiteral("ok\n");
// A running window answers from its event loop; one busy for longer (a box
// waiting on a nested loop still answers) is taken as hung.
constexpr int kAnswerMs = 5000;
}  // namespace

CSingleInstance::CSingleInstance(const QString& settingsPath, QObject* parent)
    : QObject(parent), m_server(this) {
    const QByteArray digest =
        QCryptographicHash::hash(settingsPath.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    m_name = QStringLiteral("plenda-%1-%2").arg(getuid()).arg(QString::fromLatin1(digest));
    // Only this user may connect.
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &CSingleInstance::OnConnection);
}

bool CSingleInstance::RaiseRunning() {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kAnswerMs))
        return false;
    socket.write(kRaise);
    if (!socket.waitForBytesWritten(kAnswerMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerMs))
            return false;
    }
    return socket.readLine() == kRaised;
}

// Asked again after a failed listen: a window started at the same moment may
// have won; only a socket nobody answers on is a crashed window's.
CSingleInstance::Claim CSingleInstance::ClaimWindow(QString& problem) {
    if (RaiseRunning())
        return Claim::HandedOver;
    if (m_server.listen(m_name))
        return Claim::First;
    if (RaiseRunning())
        return Claim::HandedOver;
    QLocalServer::removeServer(m_name);
    if (m_server.listen(m_name))
        return Claim::First;
    problem = m_server.errorString();
    return Claim::Alone;
}

void CSingleInstance::OnConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto answer = [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == kRaise) {
                emit RaiseRequested();
                socket->write(kRaised);
            }
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, answer);
        // The request may have come with the connection.
        answer();
    }
}
