// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtHttp.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {

// Collects the body up to `maxBytes` and ends the wait when the reply is
// done, the limit is reached or the time is up.
class CReplyWaiter {
public:
    CReplyWaiter(QNetworkReply& reply, qint64 maxBytes) : m_reply(reply), m_maxBytes(maxBytes) {}

    void Wait(int timeoutMilliseconds) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            m_timedOut = true;
            loop.quit();
        });
        QObject::connect(&m_reply, &QNetworkReply::readyRead, &loop, [&] {
            if (ReadAvailable())
                loop.quit();
        });
        QObject::connect(&m_reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        if (m_reply.isFinished())
            return;
        timer.start(std::max(timeoutMilliseconds, 0));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    // Reads what has arrived; true once the limit is reached.
    bool ReadAvailable() {
        const qint64 room = m_maxBytes - m_body.size();
        if (room > 0)
            m_body.append(m_reply.read(room));
        return m_body.size() >= m_maxBytes;
    }

    bool TimedOut() const { return m_timedOut; }
    const QByteArray& Body() const { return m_body; }

private:
    QNetworkReply& m_reply;
    qint64 m_maxBytes;
    QByteArray m_body;
    bool m_timedOut = false;
};

QString TimeoutText(int timeoutMilliseconds) {
    return QCoreApplication::translate("CQtHttp", "The server did not answer within %1 seconds")
        .arg(timeoutMilliseconds / 1000.0, 0, 'g', 3);
}

}  // namespace

CQtHttp::CQtHttp(QString userAgent) : m_userAgent(std::move(userAgent)) {}

HttpReply CQtHttp::Get(const QString& url, int timeoutMilliseconds, qint64 maxBytes) {
    HttpReply result;
    const QUrl target(url, QUrl::TolerantMode);
    if (!target.isValid() || target.scheme().isEmpty()) {
        result.error =
            QCoreApplication::translate("CQtHttp", "The address \"%1\" is not a valid URL")
                .arg(url);
        return result;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(target);
    request.setHeader(QNetworkRequest::UserAgentHeader, m_userAgent);
    request.setTransferTimeout(std::max(timeoutMilliseconds, 1));
    QNetworkReply* reply = manager.get(request);
    CReplyWaiter waiter(*reply, std::max<qint64>(maxBytes, 0));
    waiter.Wait(timeoutMilliseconds);
    waiter.ReadAvailable();

    // Any HTTP status means the server answered; its page is the reply.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool answered = status.isValid();
    // A reply cut short by the time limit is not the server's answer.
    if (waiter.TimedOut()) {
        result.error = TimeoutText(timeoutMilliseconds);
    } else if (!answered && reply->error() != QNetworkReply::NoError) {
        result.error = reply->errorString();
    } else {
        result.ok = true;
        result.body = waiter.Body();
        result.status = status.toInt();
        result.reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    }
    reply->abort();
    delete reply;
    return result;
}
