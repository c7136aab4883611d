// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class CSettingsStore;

// A main window that reopens where the user left it: its placement (normal
// rectangle, minimized, maximized) is kept in section "Window size", saved
// when the frame is destroyed and restored when it is first shown.
class CPersistentFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CPersistentFrame(CSettingsStore& store, QWidget* parent = nullptr);
    ~CPersistentFrame() override;

    // Shows the frame; the first call after construction restores the saved placement.
    void ActivateFrame();
    // Writes the placement now; the destructor does it too.
    void SavePlacement();

private:
    CSettingsStore& m_store;
    bool m_firstTime = true;
};
