// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// One calendar window per user and settings file: the first start listens on
// a local socket named after the settings file; a later start asks it to come
// forward and ends.
class CSingleInstance : public QObject {
    Q_OBJECT
public:
    // `settingsPath` tells users (and tests) with their own settings apart.
    explicit CSingleInstance(const QString& settingsPath, QObject* parent = nullptr);

    enum class Claim {
        First,       // this start listens for later ones
        HandedOver,  // a running window came forward: this start ends
        Alone,       // no socket could be made: this window runs unguarded
    };
    // A socket left by a window that crashed is taken over. `problem` says
    // why when the claim is Alone.
    Claim ClaimWindow(QString& problem);

signals:
    void RaiseRequested();

private:
    bool RaiseRunning();
    void OnConnection();

    QString m_name;
    QLocalServer m_server;
};
