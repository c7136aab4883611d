// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/CalDavServer.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <stdexcept>

#include "sync/DavTransport.h"

namespace {
quint16 FreePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        throw std::runtime_error("no free port on 127.0.0.1");
    return probe.serverPort();
}

bool Accepting(quint16 port) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(200);
}
}  // namespace

CalDavServer::CalDavServer(QString user) : m_user(std::move(user)), m_port(FreePort()) {}

CalDavServer::~CalDavServer() {
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

QUrl CalDavServer::Address(const QString& path) const {
    QUrl url(QStringLiteral("http://127.0.0.1:%1").arg(m_port));
    url.setPath(path);
    return url;
}

void CalDavServer::Launch(const QString& program, const QStringList& arguments) {
    m_process.start(program, arguments);
    QElapsedTimer waited;
    waited.start();
    while (!Accepting(m_port)) {
        if (m_process.state() == QProcess::NotRunning || waited.elapsed() > 15000)
            throw std::runtime_error(program.toStdString() +
                                     " did not start (install it with scripts/install-deps.sh): " +
                                     m_process.readAllStandardError().toStdString());
        QThread::msleep(50);
    }
}

QUrl CalDavServer::MakeCalendar(const QString& name) {
    const QUrl url = Home().resolved(QUrl(name + QLatin1Char('/')));
    CDavTransport transport({url, m_user, Password()}, 10000);
    // Some servers read a body even when there is nothing to set.
    const QByteArray body =
        "<c:mkcalendar xmlns:d='DAV:' xmlns:c='urn:ietf:params:xml:ns:caldav'>"
        "<d:set><d:prop><d:displayname>" +
        name.toUtf8() + "</d:displayname></d:prop></d:set></c:mkcalendar>";
    const DavReply reply = transport.SendOne({"MKCALENDAR", url, body, {}});
    if (reply.status != 201)
        throw std::runtime_error("no calendar made: " + std::to_string(reply.status));
    return url;
}
