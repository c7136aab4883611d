// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "app/PersistentFrame.h"

class CAcceleratorFilter;
class CCalView;
class CSettingsHelper;

// The main window: the calendar view and a menu bar, nothing else (no tool
// bar, no status bar). Its window modes are applied by the view.
class CMainFrame : public CPersistentFrame {
    Q_OBJECT
public:
    explicit CMainFrame(CSettingsStore& store, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Menus and accelerators (MainFrameMenus.cpp). Builds the menu bar and
    // the accelerator table around the view, which handles nearly every
    // command; About and Exit are the application's.
    void AttachView(CCalView& view, const CSettingsHelper& settings);
    bool OffersCommand(int id) const;
    void OnCommand(int id);

private:
    void BuildMenuBar();
    void OnAbout();

    CCalView* m_view = nullptr;
    const CSettingsHelper* m_settings = nullptr;
    std::unique_ptr<CAcceleratorFilter> m_accelerators;
};
