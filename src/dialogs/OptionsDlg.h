// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class COptionsTabCtrl;
class CSettingsHelper;
class IPrompts;

// The tabbed Options dialog. OK stores the pages' values once they pass the
// checks; Cancel stores nothing more. The caller reloads what was stored.
class COptionsDlg : public QDialog {
    Q_OBJECT
public:
    COptionsDlg(const CSettingsHelper& settings, IPrompts& prompts, QWidget* parent = nullptr);
    ~COptionsDlg() override;

    COptionsTabCtrl* Tabs() const { return m_tabs; }

    void accept() override;
    void done(int result) override;

private:
    // The first value OK must refuse, shown on its page in a "Retry" box.
    bool RefuseBadValues();
    void Refuse(int pageIndex, QWidget* field, const QString& message);

    const CSettingsHelper& m_settings;
    IPrompts& m_prompts;
    COptionsTabCtrl* m_tabs;
};
