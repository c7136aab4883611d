// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DiaryDatabase.h"
#include "interop/CalendarTransfer.h"
#include "platform/Prompts.h"
#include "view/CalView.h"
#include "view/ViewSync.h"

// The view's Import Calendar, Export Calendar and Synchronise Now commands. They work on a
// connection of their own, so that the view's recordset sees the added
// entries as another program's changes at its next requery.

void CCalView::OnImportCalendar() {
    CDiaryDatabase diary(m_marks.OpenDiaryPath());
    if (!CCalendarTransfer(*m_services.prompts, *m_services.clock).Import(diary))
        return;
    m_marks.Reload();
}

void CCalView::OnExportCalendar() {
    const CDiaryDatabase diary(m_marks.OpenDiaryPath());
    CCalendarTransfer(*m_services.prompts, *m_services.clock).Export(diary);
}

void CCalView::CreateSync() {
    CViewSync::Hooks hooks;
    hooks.diaryPath = [this] { return m_marks.OpenDiaryPath(); };
    hooks.reloadMarks = [this] { m_marks.Reload(); };
    hooks.tell = [this](const QString& text, const QString& caption) {
        if (m_services.prompts)
            m_services.prompts->ShowMessage(text, caption);
    };
    m_sync =
        std::make_unique<CViewSync>(m_settingsHelper, *m_services.clock, std::move(hooks), this);
    m_sync->Start();
}

void CCalView::OnSynchroniseNow() {
    if (m_sync)
        m_sync->Request(SyncTrigger::Manual);
}
