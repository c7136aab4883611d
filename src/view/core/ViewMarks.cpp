// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/ViewMarks.h"

#include <exception>

#include "calendar/CalendarDates.h"
#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"
#include "diary/DiaryRecordset.h"
#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"

CViewMarks::CViewMarks(CDiarySetHolder& diary, CMonthIndex& index, const CCalendarDates& dates,
                       const ViewSettings& settings, const IClock& clock, Hooks hooks)
    : m_diary(diary),
      m_index(index),
      m_dates(dates),
      m_settings(settings),
      m_clock(clock),
      m_hooks(std::move(hooks)) {}

void CViewMarks::Load() {
    CDiaryRecordset* set = nullptr;
    try {
        set = m_diary.GetDiarySet();
    } catch (...) {
        // The marks of the previous diary or period must not stay on the page.
        m_index.LoadMonthIndex(nullptr, m_dates.ShownMonth(), m_dates.ShownYear(),
                               m_settings.yearView, m_clock);
        throw;
    }
    m_index.LoadMonthIndex(set, m_dates.ShownMonth(), m_dates.ShownYear(), m_settings.yearView,
                           m_clock);
    m_watchFailed = false;
}

void CViewMarks::Reload() {
    m_index.SetReady(false);
    Load();
    m_hooks.repaint();
}

bool CViewMarks::ReloadIfChanged() {
    if (m_watchFailed || !m_diary.HoldsSet())
        return false;
    try {
        if (m_index.IsCurrentFor(m_diary.GetDiarySet()))
            return false;
        Load();
    } catch (const std::exception& error) {
        m_watchFailed = true;
        m_hooks.report(QString::fromLocal8Bit(error.what()));
        return false;
    }
    m_hooks.repaint();
    return true;
}

void CViewMarks::Watch() {
    // Another program (the command line, a second window) may write the
    // diary while the window is open; asking SQLite whether it did is cheap.
    constexpr int kWatchMs = 2000;
    m_watch.setInterval(kWatchMs);
    QObject::connect(&m_watch, &QTimer::timeout, &m_watch, [this] { ReloadIfChanged(); });
    m_watch.start();
}

QString CViewMarks::OpenDiaryPath() {
    CDiaryRecordset* set = m_diary.GetDiarySet();
    if (!set || !set->IsOpen() || !set->Database())
        throw CDatabaseError(QStringLiteral("No diary is open."));
    return set->Database()->FilePath();
}
