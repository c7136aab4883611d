// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/XandikosServer.h"

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

XandikosServer::XandikosServer() : m_port(FreePort()) {
    m_process.start(QStringLiteral("/usr/bin/xandikos"),
                    {"-d", m_dir.File("store"), "--autocreate", "-l", "127.0.0.1", "-p",
                     QString::number(m_port)});
    QElapsedTimer waited;
    waited.start();
    while (!Accepting(m_port)) {
        if (m_process.state() == QProcess::NotRunning || waited.elapsed() > 15000)
            throw std::runtime_error(
                "Xandikos did not start (install it with scripts/install-deps.sh): " +
                m_process.readAllStandardError().toStdString());
        QThread::msleep(50);
    }
}

XandikosServer::~XandikosServer() {
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

QUrl XandikosServer::Address(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
}

QUrl XandikosServer::MakeCalendar(const QString& name) {
    const QUrl url = Home().resolved(QUrl(name + QLatin1Char('/')));
    CDavTransport transport({url, Login(), Secret()}, 10000);
    // Xandikos reads the body even when there is nothing to set.
    const QByteArray body =
        "<c:mkcalendar xmlns:d='DAV:' xmlns:c='urn:ietf:params:xml:ns:caldav'>"
        "<d:set><d:prop><d:displayname>" +
        name.toUtf8() + "</d:displayname></d:prop></d:set></c:mkcalendar>";
    const DavReply reply = transport.SendOne({"MKCALENDAR", url, body, {}});
    if (reply.status != 201)
        throw std::runtime_error("Xandikos made no calendar: " + std::to_string(reply.status));
    return url;
}
