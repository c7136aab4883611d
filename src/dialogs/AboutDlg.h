// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class CSettingsHelper;

// Program title, version and the maker's web address, which opens in the
// user's browser when clicked. Reopens where it was last closed.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(const CSettingsHelper& settings, QWidget* parent = nullptr);

    static QString MakerAddress();

    void done(int result) override;

private:
    void BuildControls();
    void OpenMakerAddress();

    const CSettingsHelper& m_settings;
};
