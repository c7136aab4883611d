// SPDX-License-Identifier: GPL-3.0-or-later

#include "commands/CommandIds.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "view/CalView.h"
#include "view/ViewFonts.h"
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

FontSpec CCalView::PageFontSpec() const {
    FontSpec spec = m_settings.font;
    if (!m_settings.fitPage)
        return spec;
    const int stored = FontPixelSize(spec.height);
    spec.height = FitPixelSize(m_page.ClientSize(),
                               m_page.NaturalSize(MakeViewFont(spec, FontStyle::Regular)), stored);
    return spec;
}

void CCalView::OnFitPage() {
    m_settings.fitPage = !m_settings.fitPage;
    m_settingsHelper.WriteBool(Key::FitPage, m_settings.fitPage);
    m_frame.CheckMenuItem(CommandId::FitPage, m_settings.fitPage);
    BuildFonts();
    m_page.UpdateScrollSizes();
    viewport()->update();
}

// With Fit on a zoom key turns it off and zooms from the size on show, so the
// page never jumps back to the stored size first.
void CCalView::OnZoom(ZoomStep step) {
    const int defaultHeight = QString::fromLatin1(DefinitionOf(Key::FontSize).fixed).toInt();
    const int height =
        ZoomedFontHeight(step, m_settings.font.height, m_fonts.regular.pixelSize(), defaultHeight);
    if (m_settings.fitPage)
        OnFitPage();
    m_settingsHelper.WriteInt(Key::FontSize, height);
    BuildFonts();
    m_page.UpdateScrollSizes();
    viewport()->update();
}
