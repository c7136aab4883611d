// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// What one GET gave: the status and body a server answered with (an error
// page is an answer too; the caller judges it), or why no answer came.
struct HttpReply {
    bool ok = false;
    QByteArray body;  // at most the requested number of bytes
    QString error;    // when !ok: a description a user can quote
    int status = 0;   // when ok: the HTTP status code
    QString reason;   // when ok: the status line's reason phrase
};

// One HTTP GET, waited for with a time limit so a dead server cannot hang the
// caller for ever.
class IHttp {
public:
    virtual ~IHttp() = default;
    // Reads at most `maxBytes` of the body; gives up after `timeoutMilliseconds`.
    virtual HttpReply Get(const QString& url, int timeoutMilliseconds, qint64 maxBytes) = 0;
};
