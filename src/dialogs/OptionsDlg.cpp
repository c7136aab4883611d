// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/OptionsDlg.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/CalendarPage.h"
#include "dialogs/MarqueePage.h"
#include "dialogs/OptionsTabCtrl.h"
#include "dialogs/PicturePage.h"
#include "dialogs/SyncPage.h"
#include "dialogs/YearViewPage.h"
#include "dialogs/core/OptionsChecks.h"
#include "platform/Keyring.h"
#include "platform/Prompts.h"
#include "settings/SettingsKeys.h"
#include "sync/DiarySync.h"
#include "ui/DialogPosition.h"

COptionsDlg::COptionsDlg(const CSettingsHelper& settings, IPrompts& prompts, QWidget* parent)
    : QDialog(parent),
      m_settings(settings),
      m_prompts(prompts),
      m_tabs(new COptionsTabCtrl(settings, prompts, this)),
      m_autostartCheck(new QCheckBox(tr("Start Plenda when I log in"), this)),
      m_program(CAutostartEntry::ProgramToStart(QCoreApplication::applicationFilePath())) {
    setObjectName(QStringLiteral("optionsDialog"));
    setWindowTitle(tr("Options Tab"));
    RestoreDialogPosition(*this, m_settings, Key::OptionsDialogRect);

    m_autostartCheck->setObjectName(QStringLiteral("autostartCheck"));
    m_autostartCheck->setChecked(m_autostart.Exists());

    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &COptionsDlg::accept);
    connect(cancelButton, &QPushButton::clicked, this, &COptionsDlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_tabs);
    column->addWidget(m_autostartCheck);
    if (m_program.fromBuildTree) {
        auto* note = new QLabel(tr("Plenda is not installed: at log-in this starts the build at %1")
                                    .arg(m_program.path),
                                this);
        note->setObjectName(QStringLiteral("autostartNote"));
        note->setWordWrap(true);
        column->addWidget(note);
    }
    column->addLayout(buttons);

    const QString fileError = m_tabs->MarqueePage()->FileError();
    if (!fileError.isEmpty())
        m_prompts.ShowMessage(fileError, tr("Calendar"));
}

COptionsDlg::~COptionsDlg() = default;

void COptionsDlg::accept() {
    SyncOptions sync = m_tabs->SyncPage()->Values();
    if (RefuseBadValues() || !ApplySyncPassword(sync) || !ApplyAutostart())
        return;
    SavePictureOptions(m_settings, m_tabs->PicturePage()->Values());
    SaveMarqueeOptions(m_settings, m_tabs->MarqueePage()->Values());
    SaveYearViewOptions(m_settings, m_tabs->YearViewPage()->Values());
    SaveSyncOptions(m_settings, sync);
    SaveCalendarOptions(m_settings, m_tabs->CalendarPage()->Values());
    QDialog::accept();
}

void COptionsDlg::done(int result) {
    SaveDialogPosition(*this, m_settings, Key::OptionsDialogRect);
    QDialog::done(result);
}

bool COptionsDlg::RefuseBadValues() {
    QString message;
    if (QLineEdit* badNumber = m_tabs->MarqueePage()->FirstBadNumber(&message)) {
        Refuse(COptionsTabCtrl::MarqueeIndex, badNumber, message);
        return true;
    }
    if (QLineEdit* badFile = m_tabs->MarqueePage()->BadFileName(&message)) {
        Refuse(COptionsTabCtrl::MarqueeIndex, badFile, message);
        return true;
    }
    const YearViewOptions yearView = m_tabs->YearViewPage()->Values();
    message = YearViewLimitMessage(yearView.monthsAcross, yearView.monthsDown);
    if (!message.isEmpty()) {
        Refuse(COptionsTabCtrl::YearViewIndex, m_tabs->YearViewPage()->AcrossEdit(), message);
        return true;
    }
    return false;
}

void COptionsDlg::Refuse(int pageIndex, QWidget* field, const QString& message) {
    m_tabs->setCurrentIndex(pageIndex);
    m_prompts.ShowMessage(message, tr(kRetryCaption));
    field->setFocus();
}

// Outside any namespace, as the resource initialiser requires.
static void InitDesktopResource() {
    Q_INIT_RESOURCE(plenda);
}

bool COptionsDlg::ApplyAutostart() {
    const bool wanted = m_autostartCheck->isChecked();
    if (wanted == m_autostart.Exists())
        return true;
    QString failure;
    if (wanted) {
        InitDesktopResource();
        QFile desktop(QStringLiteral(":/desktop/plenda.desktop"));
        desktop.open(QIODevice::ReadOnly | QIODevice::Text);
        failure = m_autostart.Enable(QString::fromUtf8(desktop.readAll()), m_program.path);
    } else {
        failure = m_autostart.Disable();
    }
    if (failure.isEmpty())
        return true;
    m_prompts.ShowMessage(tr("Cannot change %1:\n%2").arg(m_autostart.FilePath(), failure),
                          tr("Calendar"));
    return false;
}

bool COptionsDlg::ApplySyncPassword(SyncOptions& options) {
    CSyncPage* page = m_tabs->SyncPage();
    if (AddressHoldsPassword(options.url)) {
        Refuse(COptionsTabCtrl::SyncIndex, page->UrlEdit(),
               tr("Give the address without the password; enter it under Password."));
        return false;
    }
    if (!options.url.isEmpty()) {
        QString error;
        const QUrl url = CollectionUrl(options.url, &error);
        if (url.isEmpty()) {
            Refuse(COptionsTabCtrl::SyncIndex, page->UrlEdit(), error);
            return false;
        }
        options.url = url.toString();
    }
    if (page->Password().isEmpty())
        return true;
    if (options.url.isEmpty() || options.user.isEmpty()) {
        Refuse(COptionsTabCtrl::SyncIndex, page->UrlEdit(),
               tr("Enter the calendar's address and the user the password belongs to."));
        return false;
    }
    // Kept for the session too, so that the syncs use it at once and still
    // have it when the keyring cannot keep it.
    const QString account = keyring::AccountName(options.user, options.url);
    keyring::KeepForSession(account, page->Password());
    const QString refused = keyring::WritePassword(account, page->Password());
    if (!refused.isEmpty())
        m_prompts.ShowMessage(
            tr("%1; the password is kept only until the calendar closes.").arg(refused),
            tr("Synchronise"));
    return true;
}
