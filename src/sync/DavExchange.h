// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

// One WebDAV request as the transport sends it.
struct DavRequest {
    QByteArray method;
    QUrl url;
    QByteArray body;
    // Extra headers (Depth, If-Match, If-None-Match); Content-Type is set from
    // the method.
    QList<QPair<QByteArray, QByteArray>> headers;
};

// What came back: the HTTP status with the ETag and body, or, when no HTTP
// answer arrived at all, status 0 and the reason in `error`.
struct DavReply {
    int status = 0;
    QByteArray etag;
    // Where a PUT filed the member, when the server names a place of its own.
    QByteArray location;
    QByteArray body;
    QString error;
};
