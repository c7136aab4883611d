// SPDX-License-Identifier: GPL-3.0-or-later

#include "view/CalView.h"
#include "view/core/ColourCommands.h"
#include "view/core/FontCommand.h"

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
