// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>

// A private X display (Xvfb) with a real window manager (openbox) on it,
// started for one test program and stopped with it.
class CVirtualDisplay {
public:
    CVirtualDisplay() = default;
    ~CVirtualDisplay();
    CVirtualDisplay(const CVirtualDisplay&) = delete;
    CVirtualDisplay& operator=(const CVirtualDisplay&) = delete;

    // False, with Error() telling why, when either could not be started.
    bool Start();
    QString Name() const { return m_name; }
    QString Error() const { return m_error; }

private:
    bool StartServer();
    bool StartWindowManager();
    bool WindowManagerIsUp() const;

    QProcess m_server;
    QProcess m_windowManager;
    QString m_name;
    QString m_error;
};
