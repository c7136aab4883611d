// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/CalDavServer.h"

// Radicale with its storage in a temporary folder and one plain htpasswd
// user, whose principal is also its calendar home.
class RadicaleServer : public CalDavServer {
public:
    explicit RadicaleServer(QString user = User());

    QUrl Principal() const override { return Address("/" + m_user + "/"); }
    QUrl Home() const override { return Principal(); }
    // How many events the calendar `name` holds in the server's storage.
    int StoredEvents(const QString& name) const;

    static QString User() { return QStringLiteral("alice"); }
};
