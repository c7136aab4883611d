// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "platform/Http.h"

// Answers from a queue (an error when it is empty) and records every request.
class FakeHttp : public IHttp {
public:
    struct Request {
        QString url;
        int timeoutMilliseconds = 0;
        qint64 maxBytes = 0;
    };

    HttpReply Get(const QString& url, int timeoutMilliseconds, qint64 maxBytes) override {
        requests.append({url, timeoutMilliseconds, maxBytes});
        if (replies.isEmpty())
            return HttpReply{false, {}, QStringLiteral("no reply queued"), 0, {}};
        return replies.takeFirst();
    }

    void QueueBody(const QByteArray& body) {
        replies.append(HttpReply{true, body, {}, 200, QStringLiteral("OK")});
    }
    void QueueError(const QString& error) { replies.append(HttpReply{false, {}, error, 0, {}}); }

    QList<Request> requests;
    QList<HttpReply> replies;
};
