// SPDX-License-Identifier: GPL-3.0-or-later

#include "view/CalView.h"
#include "view/core/ColourCommands.h"
#include "view/core/FontCommand.h"

void CCalView::OnPrev() {
    ShowPeriod(StepBack({m_dates.ShownMonth(), m_dates.ShownYear()}, m_settings.yearView));
}

void CCalView::OnNext() {
    ShowPeriod(StepForward({m_dates.ShownMonth(), m_dates.ShownYear()}, m_settings.yearView));
}

void CCalView::OnThis() {
    m_dates.GoToToday();
    PageChanged();
}

void CCalView::ShowPeriod(ShownMonthYear period) {
    m_dates.SetShown(m_dates.ShownDay(), period.month, period.year);
    PageChanged();
}

void CCalView::OnFonts() {
    if (RunFontCommand(m_settings.font, m_settings.colours, *m_services.prompts,
                       m_settingsHelper)) {
        BuildFonts();
        // Cell sizes follow the font.
        m_page.UpdateScrollSizes();
    }
    viewport()->update();
}

void CCalView::RunColour(int id) {
    const ColourCommand* command = FindColourCommand(id);
    if (command &&
        RunColourCommand(*command, m_settings.colours, *m_services.prompts, m_settingsHelper))
        viewport()->update();
}
