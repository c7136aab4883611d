// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "ui/platform/DBusNotifications.h"

namespace {
QStringList g_logged;

// Runs on a private session bus beside dunst (with-private-desktop.sh --notifications).
TEST(DBusNotificationsTest, AlarmReachesTheServerAndItsClickBringsUsForward) {
    QProcess monitor;
    monitor.start("dbus-monitor",
                  {"--session", "interface='org.freedesktop.Notifications',member='Notify'"});
    // It prints its own registration once it listens.
    ASSERT_TRUE(monitor.waitForReadyRead(5000));
    std::unique_ptr<CDBusNotifications> notifications = CDBusNotifications::Connect();
    ASSERT_NE(notifications, nullptr);
    QSignalSpy activated(notifications.get(), &CDBusNotifications::Activated);
    notifications->Notify("Plenda", "09:30 <a href=\"x\">Dentist</a> & co", [] {});
    QString call;
    // The display time is the call's last argument: 0, until dismissed. The
    // space keeps the call's leading "uint32 0" from ending the wait early.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return (call += QString::fromUtf8(monitor.readAllStandardOutput()))
                .contains(" int32 0");
        },
        5000));
    // dunst reads markup and offers actions.
    for (const char* part :
         {"string \"09:30 &lt;a href=\"x\"&gt;Dentist&lt;/a&gt; &amp; co\"", "string \"Plenda\"",
          "string \"plenda\"", "string \"default\"", "string \"snooze\"", "string \"urgency\"",
          "byte 1", "string \"image-data\""})
        EXPECT_TRUE(call.contains(QLatin1String(part))) << part;
    // A click on the popup, the way the server's own control command gives it.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            QProcess::execute("dunstctl", {"action", "0"});
            return activated.count() > 0;
        },
        5000));
    monitor.kill();
    monitor.waitForFinished();
}

TEST(DBusNotificationsTest, WithoutABusThereAreNoneAndNothingIsSaid) {
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { g_logged.append(text); });
    EXPECT_EQ(CDBusNotifications::Connect(), nullptr);
    qInstallMessageHandler(nullptr);
    EXPECT_TRUE(g_logged.isEmpty()) << g_logged.join(QLatin1Char('\n')).toStdString();
}
}  // namespace
