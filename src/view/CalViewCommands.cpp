// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMainWindow>

#include "view/CalView.h"
#include "view/FrameModes.h"
#include "view/core/ColourCommands.h"
#include "view/core/FontCommand.h"

#include "commands/CommandIds.h"

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

void CCalView::OnAlwaysOnTop() {
    QMainWindow* frame = Frame();
    if (!frame)
        return;
    m_settings.onTop = !m_settings.onTop;
    if (m_settings.onTop) {
        SetOnTop(*frame, m_settingsHelper);
        m_waylandNotice.TellOnce(*m_services.prompts);
    } else {
        ClearOnTop(*frame, m_settingsHelper);
    }
}

void CCalView::OnNoMenu() {
    QMainWindow* frame = Frame();
    if (!frame)
        return;
    const QRect before = frame->geometry();
    if (m_settings.noMenu) {
        m_settings.noMenu = false;
        ShowMenu(*frame, m_settingsHelper);
        ShowTitleBar(*frame);
        CheckFrameMenuItem(CommandId::AlwaysOnTop, m_settings.onTop);
        CheckFrameMenuItem(CommandId::YearView, m_settings.yearView);
    } else {
        m_settings.noMenu = true;
        HideMenu(*frame, m_settingsHelper);
        HideTitleBar(*frame);
    }
    // The menu bar and the title bar come and go inside the window, which
    // keeps its place and size.
    if (frame->windowState() == Qt::WindowNoState)
        frame->setGeometry(before);
}

void CCalView::OnMaximize() {
    if (QMainWindow* frame = Frame())
        frame->showMaximized();
    viewport()->update();
}

void CCalView::OnMinimize() {
    if (QMainWindow* frame = Frame())
        frame->showMinimized();
}

void CCalView::OnRestore() {
    if (QMainWindow* frame = Frame())
        frame->showNormal();
    viewport()->update();
}

void CCalView::OnExitNow() {
    // Closing the main window saves its placement and ends the program, as
    // closing it by hand does.
    if (QMainWindow* frame = Frame())
        frame->close();
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
