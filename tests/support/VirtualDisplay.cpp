// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/VirtualDisplay.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QThread>

namespace {
void Stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
}
}  // namespace

CVirtualDisplay::~CVirtualDisplay() {
    Stop(m_windowManager);
    Stop(m_server);
}

bool CVirtualDisplay::Start() {
    return StartServer() && StartWindowManager();
}

bool CVirtualDisplay::StartServer() {
    // Xvfb picks a free display itself and writes its number once it is ready.
    m_server.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp")});
    const QDeadlineTimer deadline(20000);
    while (!m_server.canReadLine() && !deadline.hasExpired() &&
           m_server.state() != QProcess::NotRunning)
        m_server.waitForReadyRead(200);
    const QByteArray number = m_server.readLine().trimmed();
    if (number.isEmpty()) {
        m_error = QStringLiteral("Xvfb gave no display: ") + m_server.errorString();
        return false;
    }
    m_name = QLatin1Char(':') + QString::fromLatin1(number);
    return true;
}

bool CVirtualDisplay::StartWindowManager() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_name);
    m_windowManager.setProcessEnvironment(environment);
    m_windowManager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && m_windowManager.state() != QProcess::NotRunning) {
        if (WindowManagerIsUp())
            return true;
        QThread::msleep(100);
    }
    m_error = QStringLiteral("openbox did not come up: ") + m_windowManager.errorString();
    return false;
}

// A running manager names itself on the root window.
bool CVirtualDisplay::WindowManagerIsUp() const {
    QProcess probe;
    probe.start(QStringLiteral("xprop"),
                {QStringLiteral("-display"), m_name, QStringLiteral("-root"),
                 QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    probe.waitForFinished(5000);
    return probe.exitCode() == 0 && probe.readAllStandardOutput().contains("window id");
}
