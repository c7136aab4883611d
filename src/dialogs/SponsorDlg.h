// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "ui/WindowDragger.h"

class CSettingsHelper;

// The sponsor's banner with its name in red at the top and its town in
// yellow near the bottom. It has no title bar: the user drags it by its face.
// Reopens where it was last closed.
class CSponsorDlg : public QDialog {
    Q_OBJECT
public:
    CSponsorDlg(const CSettingsHelper& settings, QWidget* parent = nullptr);

    static QString SponsorName();
    static QString SponsorTown();

    void done(int result) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void BuildControls();

    const CSettingsHelper& m_settings;
    CWindowDragger m_dragger;
};
