// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/DBusNotifications.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QImage>

#include "reminders/NotificationText.h"

// Outside any namespace, as the resource initialiser requires.
static void InitIconResource() {
    Q_INIT_RESOURCE(plenda);
}

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDefaultAction = QStringLiteral("default");
const QString kSnoozeAction = QStringLiteral("snooze");
const QString kBodyMarkup = QStringLiteral("body-markup");
const QString kActions = QStringLiteral("actions");
constexpr uchar kNormalUrgency = 1;
// An alarm stays on screen while the user is away.
constexpr int kUntilDismissed = 0;
}  // namespace

// The pixels of an icon as a notification's "image-data" hint carries them.
struct NotificationImage {
    QImage image;
};
Q_DECLARE_METATYPE(NotificationImage)

QDBusArgument& operator<<(QDBusArgument& argument, const NotificationImage& icon) {
    const QImage rgba = icon.image.convertToFormat(QImage::Format_RGBA8888);
    const int bitsPerSample = 8;
    const int channels = 4;
    argument.beginStructure();
    argument << rgba.width() << rgba.height() << static_cast<int>(rgba.bytesPerLine()) << true
             << bitsPerSample << channels
             << QByteArray(reinterpret_cast<const char*>(rgba.constBits()),
                           static_cast<int>(rgba.sizeInBytes()));
    argument.endStructure();
    return argument;
}

// Only sent, never read back; the stream is left as it came.
const QDBusArgument& operator>>(const QDBusArgument& argument, NotificationImage&) {
    return argument;
}

std::unique_ptr<CDBusNotifications> CDBusNotifications::Connect() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return nullptr;
    InitIconResource();
    qDBusRegisterMetaType<NotificationImage>();
    return std::unique_ptr<CDBusNotifications>(new CDBusNotifications(bus));
}

CDBusNotifications::CDBusNotifications(const QDBusConnection& bus) : m_bus(bus) {
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                  SLOT(OnActionInvoked(uint, QString)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(OnClosed(uint, uint)));
    AskCapabilities();
}

// A server that does not answer is taken to read markup (so bodies are
// escaped, which is safe either way) and to offer no actions beyond a click.
void CDBusNotifications::AskCapabilities() {
    const QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                             QStringLiteral("GetCapabilities"));
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QStringList> reply = *w;
        m_capabilities = reply.isValid() ? reply.value() : QStringList{kBodyMarkup};
        for (const Pending& notification : std::as_const(m_waiting)) Send(notification);
        m_waiting.clear();
        w->deleteLater();
    });
}

void CDBusNotifications::Notify(const QString& summary, const QString& body,
                                std::function<void()> snooze) {
    Pending notification{summary, body, std::move(snooze)};
    if (m_capabilities)
        Send(notification);
    else
        m_waiting.append(std::move(notification));
}

void CDBusNotifications::Send(const Pending& notification) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kNormalUrgency));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("plenda"));
    const QImage icon(QStringLiteral(":/images/plenda.png"));
    if (!icon.isNull())
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(NotificationImage{icon}));
    QStringList actions{kDefaultAction, tr("Open Plenda")};
    const bool snoozable = notification.snooze && m_capabilities->contains(kActions);
    if (snoozable)
        actions << kSnoozeAction << tr("Snooze 5 minutes");
    const QString body =
        PlainNotificationBody(notification.body, m_capabilities->contains(kBodyMarkup));
    call << QStringLiteral("Plenda") << 0u << QStringLiteral("plenda")
         << PlainNotificationBody(notification.summary, false) << body << actions << hints
         << kUntilDismissed;
    // Never waited for: a server that is slow to start must not stall the window.
    Remember(m_bus.asyncCall(call), snoozable ? notification.snooze : nullptr);
}

void CDBusNotifications::Remember(const QDBusPendingCall& call, std::function<void()> snooze) {
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, snooze = std::move(snooze)](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<uint> reply = *w;
                // No service, or one that refused: the message box has shown the text.
                if (reply.isValid())
                    m_sent.insert(reply.value(), snooze);
                w->deleteLater();
            });
}

void CDBusNotifications::OnActionInvoked(uint id, const QString& action) {
    const auto sent = m_sent.constFind(id);
    if (sent == m_sent.constEnd())
        return;
    if (action == kDefaultAction)
        emit Activated();
    else if (action == kSnoozeAction && *sent)
        (*sent)();
}

void CDBusNotifications::OnClosed(uint id, uint) {
    m_sent.remove(id);
}
