#pragma once

#include "app/PersistentFrame.h"

// The main window: the calendar view and a menu bar, nothing else (no tool
// bar, no status bar). Its window modes are applied by the view.
class CMainFrame : public CPersistentFrame {
    Q_OBJECT
public:
    explicit CMainFrame(CSettingsStore& store, QWidget* parent = nullptr);
};
