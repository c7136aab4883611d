// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "platform/PlatformServices.h"

class CCalDoc;
class CCalView;
class CMainFrame;
class CSettingsHelper;
class CSettingsStore;

// Ties the document to its frame and view: OpenDocument creates the three
// together, the view inside the frame, and shows the frame at its saved
// placement. The template owns them until it is destroyed; destroying the
// frame saves its placement and closes the view's diary.
class CCalDocTemplate {
public:
    CCalDocTemplate(CSettingsStore& store, CSettingsHelper& settings,
                    const PlatformServices& services);
    ~CCalDocTemplate();

    void OpenDocument();
    // Destroys the frame, and with it the view, at once.
    void CloseDocument();

    CCalDoc* Document() const { return m_document.get(); }
    CMainFrame* Frame() const { return m_frame.get(); }
    CCalView* View() const { return m_view; }

private:
    CSettingsStore& m_store;
    CSettingsHelper& m_settings;
    PlatformServices m_services;
    std::unique_ptr<CCalDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    CCalView* m_view = nullptr;  // owned by the frame
};
