// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Prompts.h"
#include "view/CalView.h"
#include "view/ViewSync.h"

// The window's CalDAV sync and its Synchronise Now command. The sync works on
// a connection of its own, so that the view's recordset sees the changes as
// another program's at its next requery.

void CCalView::CreateSync() {
    CViewSync::Hooks hooks;
    hooks.diaryPath = [this] { return m_diaryView.OpenDiaryPath(); };
    hooks.reloadMarks = [this] { m_diaryView.Reload(); };
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
