// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/CalDavServer.h"

// Xandikos storing in a temporary folder; its one principal is /user/ with
// the calendar home /user/calendars/. It asks for no password.
class XandikosServer : public CalDavServer {
public:
    XandikosServer() : CalDavServer(QStringLiteral("user")) {
        Launch(QStringLiteral("/usr/bin/xandikos"),
               {"-d", m_dir.File("store"), "--autocreate", "-l", "127.0.0.1", "-p",
                QString::number(m_port)});
    }

    QUrl Principal() const override { return Address(QStringLiteral("/user/")); }
    QUrl Home() const override { return Address(QStringLiteral("/user/calendars/")); }
};
