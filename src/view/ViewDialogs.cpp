// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewDialogs.h"

#include <QAbstractScrollArea>
#include <QCursor>

#include "calendar/CalendarDates.h"
#include "calendar/MonthText.h"
#include "dialogs/DiaryEntryDlg.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/QuickHelpDlg.h"
#include "dialogs/SponsorDlg.h"
#include "platform/PlatformServices.h"
#include "view/ViewPage.h"

namespace {
const QString kNoDayKey = QStringLiteral("00000000");
}  // namespace

CViewDialogs::CViewDialogs(QAbstractScrollArea& area, const CSettingsHelper& settings,
                           const PlatformServices& services, const CViewPage& page,
                           const CCalendarDates& dates, Hooks hooks)
    : m_area(area),
      m_settings(settings),
      m_services(services),
      m_page(page),
      m_dates(dates),
      m_hooks(std::move(hooks)) {}

void CViewDialogs::RunOptions() {
    {
        COptionsDlg dialog(m_settings, *m_services.prompts, &m_area);
        dialog.exec();
    }
    m_hooks.optionsClosed();
}

void CViewDialogs::RunQuickHelp() {
    CQuickHelpDlg dialog(m_settings, &m_area);
    dialog.exec();
}

void CViewDialogs::RunSponsor() {
    CSponsorDlg dialog(m_settings, &m_area);
    dialog.exec();
}

QString CViewDialogs::DateKeyUnderPointer() const {
    if (!m_menuDay.isEmpty())
        return m_menuDay;
    const int dayOfYear = m_page.DayAt(m_area.viewport()->mapFromGlobal(QCursor::pos()));
    if (dayOfYear == 0)
        return kNoDayKey;
    int day = 0;
    int month = 0;
    int year = 0;
    DayOfYearToDate(dayOfYear, m_dates.ShownYear(), day, month, year);
    return m_dates.FormatDateKey(day, month, year, false);
}

void CViewDialogs::NewEntry() {
    RunDiaryEntry(DateKeyUnderPointer(), true);
}

void CViewDialogs::EditDiary() {
    RunDiaryEntry(DateKeyUnderPointer(), false);
}

// A key gives no other day to go by than the pointer's, or else today.
void CViewDialogs::EntryForKey() {
    QString key = DateKeyUnderPointer();
    if (key == kNoDayKey)
        key = m_dates.FormatDateKey(m_dates.TodayDay(), m_dates.TodayMonth(), m_dates.TodayYear(),
                                    false);
    RunDiaryEntry(key, true);
}

void CViewDialogs::RunDiaryEntry(const QString& dateKey, bool newEntry) {
    bool changed = false;
    m_hooks.editing(true);
    {
        CDiaryEntryDlg dialog(m_settings, *m_services.prompts, *m_services.dateOrder, &m_area);
        dialog.SetDateText(dateKey);
        dialog.SetNewEntry(newEntry);
        if (!newEntry)
            dialog.SetSearchText(m_searchText);
        dialog.exec();
        if (!newEntry)
            m_searchText = dialog.SearchText();
        // Deletes and moves change the diary too, even when the dialog is cancelled.
        changed = !dialog.MessageText().isEmpty() || dialog.ChangedDiary();
    }
    m_area.viewport()->update();
    if (changed)
        m_hooks.diaryChanged();
    m_hooks.editing(false);
}
