// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTimer>
#include <functional>

#include "view/core/ViewSettings.h"

class CCalendarDates;
class CDiarySetHolder;
class CMonthIndex;
class IClock;

// The marks on the page: the month entry index loaded for the month or the
// year on show, loaded again when the diary changes, and the watch that sees
// another program's writes to the diary while the window is open.
class CViewMarks {
public:
    struct Hooks {
        std::function<void()> repaint;
        std::function<void(const QString& text)> report;
    };

    // Everything but the hooks must outlive the marks.
    CViewMarks(CDiarySetHolder& diary, CMonthIndex& index, const CCalendarDates& dates,
               const ViewSettings& settings, const IClock& clock, Hooks hooks);

    // Loads the marks of the period on show. When the diary cannot be read
    // the marks are cleared and the error goes on to the caller.
    void Load();
    // Loads them again from the diary, then repaints.
    void Reload();
    // Reloads the marks when another program wrote the diary since they were
    // built; true when it did. An unchanged diary is not read again.
    bool ReloadIfChanged();
    // Polls the diary for other programs' writes from now on.
    void Watch();
    // The file of the open diary; throws when no diary is open.
    QString OpenDiaryPath();

private:
    CDiarySetHolder& m_diary;
    CMonthIndex& m_index;
    const CCalendarDates& m_dates;
    const ViewSettings& m_settings;
    const IClock& m_clock;
    Hooks m_hooks;
    QTimer m_watch;
    // Set when watching the diary failed, so that the failure is reported
    // once; the next load that succeeds clears it.
    bool m_watchFailed = false;
};
