// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/DBusNotifications.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QImage>

// Outside any namespace, as the resource initialiser requires.
static void InitIconResource() {
    Q_INIT_RESOURCE(plenda);
}

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDefaultAction = QStringLiteral("default");
constexpr uchar kNormalUrgency = 1;
// The server's own display time.
constexpr int kServerTimeout = -1;
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
}

void CDBusNotifications::Notify(const QString& summary, const QString& body) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kNormalUrgency));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("plenda"));
    const QImage icon(QStringLiteral(":/images/plenda.png"));
    if (!icon.isNull())
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(NotificationImage{icon}));
    const QStringList actions{kDefaultAction, tr("Open Plenda")};
    call << QStringLiteral("Plenda") << 0u << QStringLiteral("plenda") << summary << body << actions
         << hints << kServerTimeout;
    // Never waited for: a server that is slow to start must not stall the window.
    Remember(m_bus.asyncCall(call));
}

void CDBusNotifications::Remember(const QDBusPendingCall& call) {
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<uint> reply = *w;
        // No service, or one that refused: the message box has shown the text.
        if (reply.isValid())
            m_sent.insert(reply.value());
        w->deleteLater();
    });
}

void CDBusNotifications::OnActionInvoked(uint id, const QString& action) {
    if (m_sent.contains(id) && action == kDefaultAction)
        emit Activated();
}

void CDBusNotifications::OnClosed(uint id, uint) {
    m_sent.remove(id);
}
