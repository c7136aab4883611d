// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/SyncSchedule.h"

#include "platform/Clock.h"

#include <utility>

CSyncSchedule::CSyncSchedule(const IClock& clock) : m_clock(clock) {}

bool CSyncSchedule::IsDue() const {
    if (m_everyMinutes <= 0)
        return false;
    return !m_lastStart.isValid() ||
           m_lastStart.secsTo(m_clock.Now()) >= static_cast<qint64>(m_everyMinutes) * 60;
}

void CSyncSchedule::Start(bool manual) {
    m_running = true;
    m_manual = manual;
    m_lastStart = m_clock.Now();
}

bool CSyncSchedule::Request(SyncTrigger trigger) {
    const bool manual = trigger == SyncTrigger::Manual;
    m_manualQueued = m_manualQueued || (m_running && manual);
    if (m_running || (!manual && !IsDue()))
        return false;
    if (m_editing) {
        m_postponed = true;
        m_postponedManual = m_postponedManual || manual;
        return false;
    }
    Start(manual);
    return true;
}

SyncFollowUp CSyncSchedule::Finished(bool succeeded, const QString& error) {
    m_running = false;
    SyncFollowUp followUp;
    if (succeeded) {
        m_errorTold = false;
        followUp.reportCounts = m_manual;
        followUp.reloadMarks = !m_editing;
        m_reloadPending = m_editing;
    } else {
        if (m_manual || !m_errorTold)
            followUp.error = error;
        m_errorTold = true;
    }
    if (std::exchange(m_manualQueued, false))
        followUp.startSync = Request(SyncTrigger::Manual);
    return followUp;
}

SyncFollowUp CSyncSchedule::EndEditing() {
    m_editing = false;
    SyncFollowUp followUp;
    followUp.reloadMarks = m_reloadPending;
    m_reloadPending = false;
    if (m_postponed && !m_running) {
        Start(m_postponedManual);
        followUp.startSync = true;
    }
    m_postponed = false;
    m_postponedManual = false;
    return followUp;
}
