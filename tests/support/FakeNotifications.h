// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "platform/Notifications.h"

// Records each notification as "summary|body".
class FakeNotifications : public INotifications {
public:
    void Notify(const QString& summary, const QString& body) override {
        sent.append(summary + QLatin1Char('|') + body);
    }
    QStringList sent;
};
