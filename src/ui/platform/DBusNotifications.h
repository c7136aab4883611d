// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "platform/Notifications.h"

class QDBusPendingCall;

// Notifications through the desktop's freedesktop notification service on
// the session bus: the calendar's icon, normal urgency, kept until dismissed,
// a default action that asks for the window to come to the front and, where
// the server offers actions, "Snooze 5 minutes". The server's capabilities
// are asked once; notifications wait for the answer, never the window.
class CDBusNotifications : public QObject, public INotifications {
    Q_OBJECT
public:
    // Null when the session has no bus, without a word on the console.
    static std::unique_ptr<CDBusNotifications> Connect();

    void Notify(const QString& summary, const QString& body, std::function<void()> snooze) override;

signals:
    // The user clicked one of our notifications.
    void Activated();

private slots:
    void OnActionInvoked(uint id, const QString& action);
    void OnClosed(uint id, uint reason);

private:
    struct Pending {
        QString summary;
        QString body;
        std::function<void()> snooze;
    };
    explicit CDBusNotifications(const QDBusConnection& bus);
    void AskCapabilities();
    void Send(const Pending& notification);
    void Remember(const QDBusPendingCall& call, std::function<void()> snooze);

    QDBusConnection m_bus;
    // What the server said it does; empty until it answered.
    std::optional<QStringList> m_capabilities;
    QList<Pending> m_waiting;
    // Our notifications by the ids the server gave them, with their snooze;
    // its signals speak of every client's.
    QHash<uint, std::function<void()>> m_sent;
};
