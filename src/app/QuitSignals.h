// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT (a desktop logout, Ctrl+C in a terminal) into a
// signal of the event loop, so that the program quits the way closing the
// window does: the placement is saved and the diary closed.
class CQuitSignals : public QObject {
    Q_OBJECT
public:
    explicit CQuitSignals(QObject* parent = nullptr);
    ~CQuitSignals() override;
    // False when the signal handlers could not be installed.
    bool IsInstalled() const { return m_notifier != nullptr; }

signals:
    void QuitRequested();

private:
    void OnSignalByte();
    QSocketNotifier* m_notifier = nullptr;
};
