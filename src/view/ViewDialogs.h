// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class CCalendarDates;
class CSettingsHelper;
class CViewPage;
class QAbstractScrollArea;
struct PlatformServices;

// The dialogs the view opens: Options, the Diary Entry dialog for the day
// under the pointer (or a given day), Quick Help and Sponsor. What the view
// must do once one closes reaches it through the hooks.
class CViewDialogs {
public:
    struct Hooks {
        std::function<void()> optionsClosed;
        std::function<void()> diaryChanged;
        // The Diary Entry dialog opens (true) and closes (false).
        std::function<void(bool open)> editing;
    };

    // Everything but the hooks must outlive the dialogs.
    CViewDialogs(QAbstractScrollArea& area, const CSettingsHelper& settings,
                 const PlatformServices& services, const CViewPage& page,
                 const CCalendarDates& dates, Hooks hooks);

    // The hooks' optionsClosed runs whatever button closed the dialog.
    void RunOptions();
    void RunQuickHelp();
    void RunSponsor();
    void NewEntry();
    void EditDiary();
    // Alt+D: a new entry for the day under the pointer, or for today.
    void EntryForKey();
    // The Diary Entry dialog for a day (DDMMYYYY, "00000000" for none);
    // diaryChanged runs when the diary changed.
    void RunDiaryEntry(const QString& dateKey, bool newEntry);
    // While a menu opened from the keyboard is up, its day stands in for the
    // pointer's; empty text gives the pointer back.
    void SetMenuDay(const QString& dateKey) { m_menuDay = dateKey; }

private:
    // The key of the day under the mouse pointer (or the keyboard menu's
    // day), "00000000" when none.
    QString DateKeyUnderPointer() const;

    QAbstractScrollArea& m_area;
    const CSettingsHelper& m_settings;
    const PlatformServices& m_services;
    const CViewPage& m_page;
    const CCalendarDates& m_dates;
    Hooks m_hooks;
    // What Edit Diary's Find last looked for, offered again next time.
    QString m_searchText;
    QString m_menuDay;
};
