// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "app/AcceleratorFilter.h"
#include "app/MainFrame.h"
#include "commands/CommandIds.h"
#include "dialogs/AboutDlg.h"
#include "view/CalView.h"
#include "view/MenuBuilder.h"

void CMainFrame::AttachView(CCalView& view, const CSettingsHelper& settings) {
    m_view = &view;
    m_settings = &settings;
    BuildMenuBar();
    const auto isOffered = [this](int id) { return OffersCommand(id); };
    const auto run = [this](int id) { OnCommand(id); };
    m_view->SetCommandRoute(isOffered, run);
    m_accelerators = std::make_unique<CAcceleratorFilter>(*this, isOffered, run);
    qApp->installEventFilter(m_accelerators.get());
}

void CMainFrame::BuildMenuBar() {
    QMenuBar* bar = menuBar();
    bar->clear();
    AddMenuEntries(
        *bar, MainMenuTable(), [this](int id) { return OffersCommand(id); },
        [this](int id) { OnCommand(id); });
    // The marks are set afresh each time a menu opens, so they always match
    // the view, whatever changed them and whether or not the bar was hidden.
    for (QAction* action : bar->actions()) {
        if (QMenu* popup = action->menu()) {
            connect(popup, &QMenu::aboutToShow, this, [this, popup] {
                if (m_view)
                    ApplyCheckMarks(*popup, m_view->CheckState());
            });
        }
    }
}

bool CMainFrame::OffersCommand(int id) const {
    if (id == CommandId::About || id == CommandId::Exit)
        return true;
    return m_view && CCalView::RoutesCommand(id);
}

void CMainFrame::OnCommand(int id) {
    if (m_view && m_view->OnCommand(id))
        return;
    if (id == CommandId::About)
        OnAbout();
    else if (id == CommandId::Exit)
        close();
}

void CMainFrame::OnAbout() {
    if (!m_settings)
        return;
    CAboutDlg dialog(*m_settings, this);
    dialog.exec();
}
