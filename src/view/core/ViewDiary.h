// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTimer>
#include <functional>

#include "view/core/ViewSettings.h"

class CCalendarDates;
class CCalendarTransfer;
class CDiarySetHolder;
class CMonthIndex;
class CSettingsStore;
struct PlatformServices;

// The diary as the view shows it: its marks on the page (the month entry
// index loaded for the month or the year on show, loaded again when the
// diary changes, and the watch that sees another program's writes while the
// window is open), and the commands on the diary file as a whole: File Open,
// Import Calendar and Export Calendar.
class CViewDiary {
public:
    struct Hooks {
        std::function<void()> repaint;
        std::function<void(const QString& text)> report;
        // File Open replaced the diary, or cleared the marks trying to.
        std::function<void()> diaryReplaced;
    };

    // Everything but the hooks must outlive the view's diary.
    CViewDiary(CSettingsStore& store, const PlatformServices& services, CDiarySetHolder& diary,
               CMonthIndex& index, const CCalendarDates& dates, const ViewSettings& settings,
               Hooks hooks);

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

    // Asks for another diary file and shows its marks.
    void OpenOther();
    // They work on a connection of their own, so that the view's recordset
    // sees the added entries as another program's changes at its next requery.
    void Import();
    void Export();

private:
    CCalendarTransfer Transfer() const;

    CSettingsStore& m_store;
    const PlatformServices& m_services;
    CDiarySetHolder& m_diary;
    CMonthIndex& m_index;
    const CCalendarDates& m_dates;
    const ViewSettings& m_settings;
    Hooks m_hooks;
    QTimer m_watch;
    // Set when watching the diary failed, so that the failure is reported
    // once; the next load that succeeds clears it.
    bool m_watchFailed = false;
};
