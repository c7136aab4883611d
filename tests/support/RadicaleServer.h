// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QUrl>

#include "support/CalDavServer.h"
#include "support/TempDir.h"

// A real CalDAV server for a test: Radicale on 127.0.0.1 at a free port,
// with its storage in a temporary folder and one plain htpasswd user. Started
// by the constructor (which throws when it cannot), stopped by Stop() or the
// destructor.
class RadicaleServer : public CalDavServer {
public:
    explicit RadicaleServer(QString user = User());
    ~RadicaleServer() override;

    QUrl MakeCalendar(const QString& name) override;
    QString Login() const override { return m_user; }
    QString Secret() const override { return Password(); }
    QUrl Root() const override { return Address(QStringLiteral("/")); }
    QUrl Principal() const override { return Address("/" + m_user + "/"); }
    QUrl Home() const override { return Principal(); }
    // How many events the calendar `name` holds in the server's storage.
    int StoredEvents(const QString& name) const;
    void Stop();
    // The same server again on the same port and storage.
    void Start();

    static QString User() { return QStringLiteral("alice"); }
    static QString Password() { return QStringLiteral("wonder land"); }
    quint16 Port() const { return m_port; }

private:
    void WriteConfig();
    bool Accepting() const;
    QUrl Address(const QString& path) const;

    QString m_user;
    TempDir m_dir;
    quint16 m_port = 0;
    QProcess m_process;
};
