// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/CommandIds.h"
#include "view/CalView.h"
#include "view/core/OptionSettings.h"

CViewDialogs::Hooks CCalView::DialogHooks() {
    CViewDialogs::Hooks hooks;
    hooks.optionsClosed = [this] { ReloadOptions(); };
    hooks.diaryChanged = [this] { m_diaryView.Reload(); };
    hooks.editing = [this](bool open) { m_timed.SetEditing(open); };
    return hooks;
}

void CCalView::ReloadOptions() {
    const bool wasYearView = m_settings.yearView;
    ReloadOptionSettings(m_settingsHelper, m_settings);
    m_page.LoadPictureIfShown();
    emit OptionsReloaded();
    m_frame.CheckMenuItem(CommandId::ShowPicture, m_settings.showPicture);
    m_frame.CheckMenuItem(CommandId::YearView, m_settings.yearView);
    m_page.UpdateScrollSizes();
    viewport()->update();
    if (wasYearView != m_settings.yearView) {
        // The marks must cover the month or the year now on show.
        m_index.SetReady(false);
        m_diaryView.Load();
    }
}
