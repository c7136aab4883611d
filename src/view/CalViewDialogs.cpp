// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCursor>

#include "calendar/MonthText.h"
#include "commands/CommandIds.h"
#include "dialogs/DiaryEntryDlg.h"
#include "dialogs/OptionsDlg.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "view/CalView.h"
#include "view/ViewSync.h"

// The view's commands that open the Options and Diary Entry dialogs.

namespace {
const QString kNoDayKey = QStringLiteral("00000000");

bool PlainBool(const CSettingsHelper& settings, Key key) {
    return CSettingsHelper::TextToBool(settings.ReadPlain(key));
}

int PlainInt(const CSettingsHelper& settings, Key key) {
    return CSettingsHelper::TextToInt(settings.ReadPlain(key));
}

QString PlainText(const CSettingsHelper& settings, Key key) {
    return settings.ReadPlain(key);
}

void ReloadMarqueeMirror(const CSettingsHelper& settings, MarqueeKeyValues& marquee) {
    marquee.slide = PlainInt(settings, Key::MarqueeSlide);
    marquee.secs = PlainInt(settings, Key::MarqueeSecs);
    marquee.checkFileFreq = PlainInt(settings, Key::MarqueeCheckFileFreq);
    marquee.checkFileUnits = PlainText(settings, Key::MarqueeCheckFileUnits);
    marquee.checkInternetFreq = PlainInt(settings, Key::MarqueeCheckInternetFreq);
    marquee.checkInternetUnits = PlainText(settings, Key::MarqueeCheckInternetUnits);
    marquee.useFile = PlainBool(settings, Key::UseFile);
    marquee.fileName = PlainText(settings, Key::MarqueeFileName);
    marquee.message = PlainText(settings, Key::MarqueeMess);
    marquee.on = PlainBool(settings, Key::MarqueeOn);
    // An empty colour text means the desktop's colours, the table's default.
    marquee.textColour = settings.GetColour(Key::MarqueeTextColor, false);
    marquee.backgroundColour = settings.GetColour(Key::MarqueeBackgroundColor, false);
}
}  // namespace

void CCalView::OnOptions() {
    {
        COptionsDlg dialog(m_settingsHelper, *m_services.prompts, this);
        dialog.exec();
    }
    ReloadOptions();
}

void CCalView::ReloadOptions() {
    m_settings.showPicture = PlainBool(m_settingsHelper, Key::ShowPicture);
    m_page.LoadPictureIfShown();
    m_settings.stretchHeight = PlainBool(m_settingsHelper, Key::StretchHeight);
    m_settings.stretchWidth = PlainBool(m_settingsHelper, Key::StretchWidth);
    ReloadMarqueeMirror(m_settingsHelper, m_settings.marquee);
    emit OptionsReloaded();

    const bool wasYearView = m_settings.yearView;
    m_settings.yearView = PlainBool(m_settingsHelper, Key::YearView);
    // The dialog stores only counts within the limits; a hand-edited store is
    // corrected as at start-up, since the layout divides by each count.
    m_settings.grid = CorrectYearGrid(PlainInt(m_settingsHelper, Key::MonthsAcross),
                                      PlainInt(m_settingsHelper, Key::MonthsDown));
    CheckFrameMenuItem(CommandId::ShowPicture, m_settings.showPicture);
    CheckFrameMenuItem(CommandId::YearView, m_settings.yearView);
    m_page.UpdateScrollSizes();
    viewport()->update();
    if (wasYearView != m_settings.yearView) {
        // The marks must cover the month or the year now on show.
        m_index.SetReady(false);
        LoadMonthIndex();
    }
}

QString CCalView::DateKeyUnderPointer() const {
    const int dayOfYear = m_page.DayAt(viewport()->mapFromGlobal(QCursor::pos()));
    if (dayOfYear == 0)
        return kNoDayKey;
    int day = 0;
    int month = 0;
    int year = 0;
    DayOfYearToDate(dayOfYear, m_dates.ShownYear(), day, month, year);
    return m_dates.FormatDateKey(day, month, year, false);
}

void CCalView::OnNewDiaryEntry() {
    RunDiaryEntryDialog(DateKeyUnderPointer(), true);
}

void CCalView::OnEditDiary() {
    RunDiaryEntryDialog(DateKeyUnderPointer(), false);
}

// Alt+D: a new entry for the day under the pointer, or for today when the
// pointer is over no day, since a key gives no other day to go by.
void CCalView::OnDiaryEntryKey() {
    QString key = DateKeyUnderPointer();
    if (key == kNoDayKey)
        key = m_dates.FormatDateKey(m_dates.TodayDay(), m_dates.TodayMonth(), m_dates.TodayYear(),
                                    false);
    RunDiaryEntryDialog(key, true);
}

void CCalView::RunDiaryEntryDialog(const QString& dateKey, bool newEntry) {
    bool changed = false;
    if (m_sync)
        m_sync->BeginEditing();
    {
        CDiaryEntryDlg dialog(m_settingsHelper, *m_services.prompts, *m_services.dateOrder, this);
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
    viewport()->update();
    if (changed)
        ReloadMarks();
    if (m_sync)
        m_sync->EndEditing();
}
