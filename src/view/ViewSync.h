// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "view/core/SyncSchedule.h"

class CSettingsHelper;
class IClock;
class QThread;

// The window's CalDAV sync: Synchronise Now, the periodic check once a
// minute and the check when the window gains the focus, as the schedule
// allows. Each sync runs on a thread of its own, with its own diary
// connection and network objects, so the window never waits for the server;
// the marks reload on the window's thread once it is done.
class CViewSync : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<QString()> diaryPath;  // throws when no diary is open
        std::function<void()> reloadMarks;
        std::function<void(const QString& text, const QString& caption)> tell;
    };

    CViewSync(const CSettingsHelper& settings, const IClock& clock, Hooks hooks,
              QObject* parent = nullptr);
    // Waits for a sync under way: its thread must not outlive the window.
    ~CViewSync() override;

    void Start();
    void Request(SyncTrigger trigger);
    // The Diary Entry dialog opens and closes: nothing changes under it.
    void BeginEditing() { m_schedule.BeginEditing(); }
    void EndEditing() { Follow(m_schedule.EndEditing()); }
    bool IsRunning() const { return m_schedule.IsRunning(); }

signals:
    // A sync has ended and its outcome has been applied.
    void SyncEnded();

private:
    struct Outcome;

    void Launch();
    void OnWorkerDone();
    void Follow(const SyncFollowUp& followUp);

    const CSettingsHelper& m_settings;
    const IClock& m_clock;
    Hooks m_hooks;
    CSyncSchedule m_schedule;
    QTimer m_timer;
    QThread* m_worker = nullptr;
    std::shared_ptr<Outcome> m_outcome;
};
