// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "dialogs/core/OptionsSettings.h"
#include "platform/AutostartEntry.h"

class COptionsTabCtrl;
class QCheckBox;
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
    // Writes or removes the autostart entry as the box asks; false when that failed.
    bool ApplyAutostart();
    // Checks the calendar's address and keeps a new password in the keyring;
    // false (and a message) when either failed. `options` gets the address
    // as it is stored.
    bool ApplySyncPassword(SyncOptions& options);

    const CSettingsHelper& m_settings;
    IPrompts& m_prompts;
    COptionsTabCtrl* m_tabs;
    CAutostartEntry m_autostart;
    QCheckBox* m_autostartCheck;
    CAutostartEntry::Program m_program;
};
