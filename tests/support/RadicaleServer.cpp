// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RadicaleServer.h"

#include <QDir>
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

}  // namespace

RadicaleServer::RadicaleServer(QString user) : m_user(std::move(user)), m_port(FreePort()) {
    WriteConfig();
    Start();
}

RadicaleServer::~RadicaleServer() {
    Stop();
}

void RadicaleServer::WriteConfig() {
    m_dir.Write("users", (m_user + ":" + Password() + "\n").toUtf8());
    // Every section is spelled out, so that a system-wide configuration
    // changes nothing here.
    m_dir.Write("config", QStringLiteral("[server]\nhosts = 127.0.0.1:%1\nssl = False\n"
                                         "[auth]\ntype = htpasswd\nhtpasswd_filename = %2\n"
                                         "htpasswd_encryption = plain\ndelay = 0\n"
                                         "[rights]\ntype = owner_only\n"
                                         "[storage]\nfilesystem_folder = %3\n"
                                         "[logging]\nlevel = warning\n")
                              .arg(m_port)
                              .arg(m_dir.File("users"), m_dir.File("collections"))
                              .toUtf8());
}

bool RadicaleServer::Accepting() const {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_port);
    return socket.waitForConnected(200);
}

void RadicaleServer::Start() {
    // Debian's Radicale is a module of the system's own Python.
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    {"-m", "radicale", "--config", m_dir.File("config")});
    QElapsedTimer waited;
    waited.start();
    while (!Accepting()) {
        if (m_process.state() == QProcess::NotRunning || waited.elapsed() > 15000)
            throw std::runtime_error(
                "Radicale did not start (install it with scripts/install-deps.sh): " +
                m_process.readAllStandardError().toStdString());
        QThread::msleep(50);
    }
}

void RadicaleServer::Stop() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QUrl RadicaleServer::Address(const QString& path) const {
    QUrl url(QStringLiteral("http://127.0.0.1:%1").arg(m_port));
    url.setPath(path);
    return url;
}

QUrl RadicaleServer::MakeCalendar(const QString& name) {
    const QUrl url = Principal().resolved(QUrl(name + QLatin1Char('/')));
    CDavTransport transport({url, m_user, Password()}, 10000);
    const DavReply reply = transport.SendOne({"MKCALENDAR", url, {}, {}});
    if (reply.status != 201)
        throw std::runtime_error("Radicale made no calendar: " + std::to_string(reply.status));
    return url;
}

int RadicaleServer::StoredEvents(const QString& name) const {
    const QDir folder(m_dir.File("collections/collection-root/" + m_user + "/" + name));
    return static_cast<int>(folder.entryList({"*.ics"}, QDir::Files).size());
}
