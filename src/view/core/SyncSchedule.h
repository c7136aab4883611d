// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

class IClock;

// What asked for a sync: the periodic check, the window gaining the focus,
// or the user's Synchronise Now.
enum class SyncTrigger { Timer, Focus, Manual };

// What the window does once a sync has ended, or once the Diary Entry
// dialog has closed.
struct SyncFollowUp {
    bool startSync = false;     // a sync put off while editing is due now
    bool reloadMarks = false;   // the diary changed; the marks may be read again
    QString error;              // a failure the user has not been told of yet
    bool reportCounts = false;  // Synchronise Now succeeded: the user sees what moved
};

// When the window synchronises its diary: every N minutes while sync is on
// (measured from the last start, so the first check after opening syncs at
// once), never two at a time (a Synchronise Now asked for meanwhile runs
// next, as its answer is awaited), and never while the Diary Entry dialog is
// open: a sync wanted then starts, and a finished one's marks reload, when
// the dialog closes. A failure of the automatic syncs is told once until one
// succeeds again; a failure of Synchronise Now is always told, as the user
// is waiting for its answer.
class CSyncSchedule {
public:
    explicit CSyncSchedule(const IClock& clock);

    // 0 turns the automatic syncs off; Synchronise Now still works.
    void SetEveryMinutes(int minutes) { m_everyMinutes = minutes; }
    // True when a sync starts now; the caller then runs it and calls Finished.
    bool Request(SyncTrigger trigger);
    SyncFollowUp Finished(bool succeeded, const QString& error);

    void BeginEditing() { m_editing = true; }
    SyncFollowUp EndEditing();

    bool IsRunning() const { return m_running; }
    // The sync under way was asked for by the user.
    bool IsManual() const { return m_manual; }

private:
    bool IsDue() const;
    void Start(bool manual);

    const IClock& m_clock;
    int m_everyMinutes = 0;
    QDateTime m_lastStart;
    bool m_running = false;
    bool m_manual = false;
    bool m_manualQueued = false;
    bool m_editing = false;
    bool m_postponed = false;
    bool m_postponedManual = false;
    bool m_reloadPending = false;
    bool m_errorTold = false;
};
