// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>

#include "platform/Notifications.h"

// Records each notification as "summary|body", and its snooze choice.
class FakeNotifications : public INotifications {
public:
    void Notify(const QString& summary, const QString& body,
                std::function<void()> snooze) override {
        sent.append(summary + QLatin1Char('|') + body);
        snoozes.append(std::move(snooze));
    }
    QStringList sent;
    QList<std::function<void()>> snoozes;
};
