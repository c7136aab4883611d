// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

// A real CalDAV server on 127.0.0.1 that a test starts: the addresses a user
// may type for it, and calendars made on demand.
class CalDavServer {
public:
    virtual ~CalDavServer() = default;
    // Makes a calendar collection named `name` for the user; its URL.
    virtual QUrl MakeCalendar(const QString& name) = 0;
    virtual QString Login() const = 0;
    virtual QString Secret() const = 0;
    virtual QUrl Root() const = 0;
    virtual QUrl Principal() const = 0;
    virtual QUrl Home() const = 0;
};
