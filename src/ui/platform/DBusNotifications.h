// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QSet>
#include <memory>

#include "platform/Notifications.h"

// Notifications through the desktop's freedesktop notification service on
// the session bus: the calendar's icon, normal urgency, and a default action
// that asks for the window to come to the front.
class CDBusNotifications : public QObject, public INotifications {
    Q_OBJECT
public:
    // Null when the session has no bus, without a word on the console.
    static std::unique_ptr<CDBusNotifications> Connect();

    void Notify(const QString& summary, const QString& body) override;

signals:
    // The user clicked one of our notifications.
    void Activated();

private slots:
    void OnActionInvoked(uint id, const QString& action);
    void OnClosed(uint id, uint reason);

private:
    explicit CDBusNotifications(const QDBusConnection& bus);
    void Remember(const QDBusPendingCall& call);

    QDBusConnection m_bus;
    // The ids the server gave our notifications; its signals speak of every client's.
    QSet<uint> m_sent;
};
