// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainFrame.h"

#include "app/AcceleratorFilter.h"

#include <QIcon>
#include <QMenuBar>

CMainFrame::CMainFrame(CSettingsStore& store, QWidget* parent) : CPersistentFrame(store, parent) {
    setObjectName(QStringLiteral("mainFrame"));
    // The menu bar exists from the start; the menus themselves are added to
    // it by the menu tables, and the no-menu mode hides it.
    menuBar()->setObjectName(QStringLiteral("mainMenu"));
    setWindowIcon(QIcon(QStringLiteral(":/images/plenda.png")));
}

CMainFrame::~CMainFrame() = default;
