// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QUrl>

#include "support/TempDir.h"

// A real CalDAV server on 127.0.0.1 at a free port that a test starts: the
// addresses a user may type for it, and calendars made on demand.
class CalDavServer {
public:
    explicit CalDavServer(QString user);
    virtual ~CalDavServer();

    // Makes a calendar collection named `name` in the user's home; its URL.
    QUrl MakeCalendar(const QString& name);
    QString Login() const { return m_user; }
    static QString Password() { return QStringLiteral("wonder land"); }
    quint16 Port() const { return m_port; }
    QUrl Root() const { return Address(QStringLiteral("/")); }
    virtual QUrl Principal() const = 0;
    virtual QUrl Home() const = 0;

protected:
    QUrl Address(const QString& path) const;
    // Starts the server and waits until it takes connections; throws when
    // it cannot.
    void Launch(const QString& program, const QStringList& arguments);

    QString m_user;
    quint16 m_port = 0;
    // The server's storage, which outlives the server's process.
    TempDir m_dir;
    QProcess m_process;
};
