// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "reminders/AlarmCheck.h"

struct PlatformServices;

// The view's alarm check: once as soon as an event loop runs, so alarms
// missed while the calendar was closed are told at start, then every minute
// whatever the marquee does, and at each marquee file re-read.
class CViewAlarms : public QObject {
    Q_OBJECT
public:
    // `services` must offer prompts and a clock; notifications may be absent.
    // `reportError` shows what a check could not read of the diary.
    CViewAlarms(CDiarySetHolder& diary, const PlatformServices& services,
                CSettingsStore& settings, std::function<void(const QString&)> reportError,
                QObject* parent = nullptr);

    void Start();
    // Runs one check; an error is reported, never passed on to the event loop.
    void CheckNow();
    bool IsRunning() const { return m_timer.isActive(); }

private:
    CAlarmCheck m_check;
    QTimer m_timer;
    std::function<void(const QString&)> m_reportError;
};
