// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <QUrl>
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
    // What one sync needs, gathered on the window's thread.
    struct SyncJob;
    struct Hooks {
        std::function<QString()> diaryPath;  // throws when no diary is open
        std::function<void()> reloadMarks;
        std::function<void(const QString& text, const QString& caption)> tell;
        // The password typed in answer to `why`; empty when the user declined.
        std::function<QString(const QString& why)> askPassword;
    };

    CViewSync(const CSettingsHelper& settings, const IClock& clock, Hooks hooks,
              QObject* parent = nullptr);
    // Cancels a sync under way and waits for its thread, which must not
    // outlive the window; the cancel reaches it within a fraction of a second.
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
    void LaunchWithPassword(SyncJob job, const QString& account, const QString& keyringError);
    void RunWorker(const SyncJob& job);
    void WarnOfCleartext(const QUrl& collection);
    void OnWorkerDone();
    void Follow(const SyncFollowUp& followUp);

    const CSettingsHelper& m_settings;
    const IClock& m_clock;
    Hooks m_hooks;
    CSyncSchedule m_schedule;
    QTimer m_timer;
    QThread* m_worker = nullptr;
    std::shared_ptr<Outcome> m_outcome;
    // The user declined to type the password: the automatic syncs stop asking
    // until a Synchronise Now.
    bool m_passwordDeclined = false;
    bool m_cleartextTold = false;
};
