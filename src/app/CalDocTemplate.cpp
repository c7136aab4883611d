// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CalDocTemplate.h"

#include "app/CalDoc.h"
#include "app/MainFrame.h"
#include "view/CalView.h"

CCalDocTemplate::CCalDocTemplate(CSettingsStore& store, CSettingsHelper& settings,
                                 const PlatformServices& services)
    : m_store(store), m_settings(settings), m_services(services) {}

CCalDocTemplate::~CCalDocTemplate() {
    CloseDocument();
}

void CCalDocTemplate::OpenDocument() {
    CloseDocument();
    m_document = std::make_unique<CCalDoc>();
    m_frame = std::make_unique<CMainFrame>(m_store);
    m_view = new CCalView(m_services, m_settings, m_frame.get());
    m_frame->setCentralWidget(m_view);
    m_frame->AttachView(*m_view, m_settings);
    m_view->OnCreate();
    m_frame->ActivateFrame();
    m_view->setFocus();
}

void CCalDocTemplate::CloseDocument() {
    m_view = nullptr;
    m_frame.reset();
    m_document.reset();
}
