// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"
#include "diary/DiaryRecordset.h"
#include "interop/CalendarTransfer.h"
#include "view/CalView.h"

// The view's Import Calendar and Export Calendar commands. They work on a
// connection of their own, so that the view's recordset sees the added
// entries as another program's changes at its next requery.

QString CCalView::OpenDiaryPath() {
    CDiaryRecordset* set = m_diary.GetDiarySet();
    if (!set || !set->IsOpen() || !set->Database())
        throw CDatabaseError(QStringLiteral("No diary is open."));
    return set->Database()->FilePath();
}

void CCalView::OnImportCalendar() {
    CDiaryDatabase diary(OpenDiaryPath());
    if (!CCalendarTransfer(*m_services.prompts, *m_services.clock).Import(diary))
        return;
    m_index.SetReady(false);
    LoadMonthIndex();
    viewport()->update();
}

void CCalView::OnExportCalendar() {
    const CDiaryDatabase diary(OpenDiaryPath());
    CCalendarTransfer(*m_services.prompts, *m_services.clock).Export(diary);
}
