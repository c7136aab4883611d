// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/SyncPage.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {
constexpr int kMostMinutes = 24 * 60;
}

CSyncPage::CSyncPage(const CSettingsHelper& settings, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("syncPage"));
    const SyncOptions stored = LoadSyncOptions(settings);
    m_urlEdit = new QLineEdit(stored.url, this);
    m_urlEdit->setObjectName(QStringLiteral("syncUrlEdit"));
    m_urlEdit->setPlaceholderText(tr("https://example.org/calendars/me/diary/"));
    m_userEdit = new QLineEdit(stored.user, this);
    m_userEdit->setObjectName(QStringLiteral("syncUserEdit"));
    m_passwordEdit = new QLineEdit(this);
    m_passwordEdit->setObjectName(QStringLiteral("syncPasswordEdit"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setPlaceholderText(tr("kept in the keyring; empty keeps it"));
    m_everySpin = new QSpinBox(this);
    m_everySpin->setObjectName(QStringLiteral("syncEverySpin"));
    m_everySpin->setRange(0, kMostMinutes);
    m_everySpin->setSpecialValueText(tr("Off"));
    m_everySpin->setSuffix(tr(" minutes"));
    m_everySpin->setValue(qMin(stored.everyMinutes, kMostMinutes));
    auto* lastSync = new QLabel(stored.lastSync.isEmpty() ? tr("Never") : stored.lastSync, this);
    lastSync->setObjectName(QStringLiteral("syncLastLabel"));

    auto* form = new QFormLayout(this);
    form->addRow(tr("Calendar address"), m_urlEdit);
    form->addRow(tr("User"), m_userEdit);
    form->addRow(tr("Password"), m_passwordEdit);
    form->addRow(tr("Synchronise every"), m_everySpin);
    form->addRow(tr("Last good sync"), lastSync);
}

SyncOptions CSyncPage::Values() const {
    return {m_urlEdit->text().trimmed(), m_userEdit->text().trimmed(), m_everySpin->value(), {}};
}

QString CSyncPage::Password() const {
    return m_passwordEdit->text();
}
