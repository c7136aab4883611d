// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "dialogs/core/OptionsSettings.h"

class CSettingsHelper;
class QLineEdit;
class QSpinBox;

// The Options dialog's CalDAV page: the calendar's address, the user, a
// password for the keyring (left empty, the stored one stays), how often the
// window synchronises, and when the last good sync ended.
class CSyncPage : public QWidget {
    Q_OBJECT
public:
    explicit CSyncPage(const CSettingsHelper& settings, QWidget* parent = nullptr);

    SyncOptions Values() const;
    QString Password() const;
    QLineEdit* UrlEdit() const { return m_urlEdit; }

private:
    QLineEdit* m_urlEdit = nullptr;
    QLineEdit* m_userEdit = nullptr;
    QLineEdit* m_passwordEdit = nullptr;
    QSpinBox* m_everySpin = nullptr;
};
