// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/WaylandNotice.h"
#include "view/core/MenuTables.h"
#include "view/core/ViewSettings.h"

class CSettingsHelper;
class QAbstractScrollArea;
class QMainWindow;
struct PlatformServices;

// The main window the view sits in, as the view's commands see it: kept on
// top or not, with or without its menu and title bars, maximised, minimised,
// restored or closed, its title and its menus' check marks. Without a frame
// (a view printing from the command line) each of them does nothing.
class CViewFrame {
public:
    // Everything must outlive the frame control; `settings` is the view's
    // own copy, whose window modes the commands toggle.
    CViewFrame(QAbstractScrollArea& view, ViewSettings& settings,
               const CSettingsHelper& settingsHelper, const PlatformServices& services);

    // Window creation: the stored modes on the frame and their check marks.
    void ApplyStoredModes();
    void ToggleOnTop();
    void ToggleMenu();
    void Maximize();
    void Minimize();
    void Restore();
    // Closing the main window saves its placement and ends the program, as
    // closing it by hand does.
    void Close();
    // "Cal " and the diary's name.
    void UpdateTitle();

    void CheckMenuItem(int id, bool checked);
    // The flags the menus' check marks follow.
    MenuCheckState CheckState() const;

private:
    QMainWindow* Frame() const;
    void ApplyWindowModes(QMainWindow& frame);

    QAbstractScrollArea& m_view;
    ViewSettings& m_settings;
    const CSettingsHelper& m_settingsHelper;
    const PlatformServices& m_services;
    CWaylandNotice m_waylandNotice;
};
