// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "platform/Http.h"

// IHttp over QNetworkAccessManager, waited for in a local event loop that
// leaves user input alone (timers and repaints go on meanwhile).
class CQtHttp : public IHttp {
public:
    explicit CQtHttp(QString userAgent = QStringLiteral("Calendar"));
    HttpReply Get(const QString& url, int timeoutMilliseconds, qint64 maxBytes) override;

private:
    QString m_userAgent;
};
