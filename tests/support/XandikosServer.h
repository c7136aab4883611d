// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>

#include "support/CalDavServer.h"
#include "support/TempDir.h"

// Xandikos on 127.0.0.1 at a free port, storing in a temporary folder; its
// one principal is /user/ with the calendar home /user/calendars/. It asks
// for no password. Throws from the constructor when it cannot start.
class XandikosServer : public CalDavServer {
public:
    XandikosServer();
    ~XandikosServer() override;

    QUrl MakeCalendar(const QString& name) override;
    QString Login() const override { return QStringLiteral("user"); }
    QString Secret() const override { return QStringLiteral("unused"); }
    QUrl Root() const override { return Address(QStringLiteral("/")); }
    QUrl Principal() const override { return Address(QStringLiteral("/user/")); }
    QUrl Home() const override { return Address(QStringLiteral("/user/calendars/")); }

private:
    QUrl Address(const QString& path) const;

    TempDir m_dir;
    quint16 m_port = 0;
    QProcess m_process;
};
