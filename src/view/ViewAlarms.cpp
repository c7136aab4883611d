// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewAlarms.h"

#include <exception>

#include "platform/PlatformServices.h"

namespace {
constexpr int kCheckIntervalMs = 60 * 1000;
}  // namespace

CViewAlarms::CViewAlarms(CDiarySetHolder& diary, const PlatformServices& services,
                         CSettingsStore& settings, std::function<void(const QString&)> reportError,
                         QObject* parent)
    : QObject(parent),
      m_check(diary, *services.prompts, *services.clock, settings, services.notifications),
      m_timer(this),
      m_reportError(std::move(reportError)) {
    m_timer.setObjectName(QStringLiteral("alarmTimer"));
    m_timer.setInterval(kCheckIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &CViewAlarms::CheckNow);
}

void CViewAlarms::Start() {
    m_timer.start();
    // Queued: the first check runs once an event loop does (the start-up box's
    // own, if today has messages), not inside the view's construction.
    QTimer::singleShot(0, this, &CViewAlarms::CheckNow);
}

void CViewAlarms::CheckNow() {
    try {
        m_check.CheckAlarms();
    } catch (const std::exception& error) {
        if (m_reportError)
            m_reportError(QString::fromLocal8Bit(error.what()));
    }
}
