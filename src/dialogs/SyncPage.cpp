// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/SyncPage.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <exception>

#include "platform/Keyring.h"
#include "settings/SettingsHelper.h"
#include "sync/DiarySync.h"

namespace {
constexpr int kMostMinutes = 24 * 60;
}

// Written by the search's thread, read on the window's once it has finished.
struct CSyncPage::Search {
    std::vector<FoundCalendar> found;
    QString error;
};

CSyncPage::CSyncPage(const CSettingsHelper& settings, QWidget* parent)
    : QWidget(parent), m_caFile(settings.ReadPlain(Key::CalDavCaFile)) {
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
    m_findButton = new QPushButton(tr("&Find Calendars"), this);
    m_findButton->setObjectName(QStringLiteral("syncFindButton"));
    m_calendarList = new QListWidget(this);
    m_calendarList->setObjectName(QStringLiteral("syncCalendarList"));
    m_calendarList->setMaximumHeight(m_calendarList->fontMetrics().height() * 6);
    m_findStatus = new QLabel(this);
    m_findStatus->setObjectName(QStringLiteral("syncFindStatus"));
    m_findStatus->setWordWrap(true);
    m_everySpin = new QSpinBox(this);
    m_everySpin->setObjectName(QStringLiteral("syncEverySpin"));
    m_everySpin->setRange(0, kMostMinutes);
    m_everySpin->setSpecialValueText(tr("Off"));
    m_everySpin->setSuffix(tr(" minutes"));
    m_everySpin->setValue(qMin(stored.everyMinutes, kMostMinutes));
    auto* lastSync = new QLabel(stored.lastSync.isEmpty() ? tr("Never") : stored.lastSync, this);
    lastSync->setObjectName(QStringLiteral("syncLastLabel"));

    auto* form = new QFormLayout(this);
    form->addRow(tr("Calendar add&ress"), m_urlEdit);
    form->addRow(tr("&User"), m_userEdit);
    form->addRow(tr("Pass&word"), m_passwordEdit);
    form->addRow(m_findButton, m_findStatus);
    form->addRow(tr("Ca&lendars"), m_calendarList);
    form->addRow(tr("S&ynchronise every"), m_everySpin);
    form->addRow(tr("Last good sync"), lastSync);
    connect(m_findButton, &QPushButton::clicked, this, &CSyncPage::FindCalendars);
    connect(m_calendarList, &QListWidget::itemClicked, this, &CSyncPage::UseCalendar);
    connect(m_calendarList, &QListWidget::itemActivated, this, &CSyncPage::UseCalendar);
}

CSyncPage::~CSyncPage() {
    if (m_searcher) {
        m_searcher->requestInterruption();
        m_searcher->wait();
        delete m_searcher;
    }
}

SyncOptions CSyncPage::Values() const {
    return {m_urlEdit->text().trimmed(), m_userEdit->text().trimmed(), m_everySpin->value(), {}};
}

QString CSyncPage::Password() const {
    return m_passwordEdit->text();
}

// The password typed here, or else the one kept for this address.
void CSyncPage::FindCalendars() {
    if (m_searcher)
        return;
    if (!m_passwordEdit->text().isEmpty())
        return StartSearch(m_passwordEdit->text());
    QString error;
    const QUrl url = CollectionUrl(m_urlEdit->text(), &error);
    const QString account = keyring::AccountName(m_userEdit->text().trimmed(), url.toString());
    if (!keyring::SessionPassword(account).isEmpty())
        return StartSearch(keyring::SessionPassword(account));
    m_findButton->setEnabled(false);
    m_findStatus->setText(tr("Reading the password from the keyring..."));
    keyring::ReadPasswordThen(account, this, [this](const keyring::Answer& answer) {
        m_findButton->setEnabled(true);
        if (answer.password.isEmpty())
            m_findStatus->setText(tr("Enter the password to find the calendars."));
        else
            StartSearch(answer.password);
    });
}

void CSyncPage::StartSearch(const QString& password) {
    QString error;
    const QUrl url = CollectionUrl(m_urlEdit->text(), &error);
    if (url.isEmpty() || m_userEdit->text().trimmed().isEmpty()) {
        m_findStatus->setText(url.isEmpty() ? error
                                            : tr("Enter the user the calendars belong to."));
        return;
    }
    const DavAccount account{url, m_userEdit->text().trimmed(), password, m_caFile};
    auto search = std::make_shared<Search>();
    m_search = search;
    m_searcher = QThread::create([account, search] {
        try {
            search->found = ::FindCalendars(account);
        } catch (const std::exception& failure) {
            search->error = QString::fromLocal8Bit(failure.what());
        }
    });
    connect(m_searcher, &QThread::finished, this, &CSyncPage::ShowFound);
    m_findButton->setEnabled(false);
    m_calendarList->clear();
    m_findStatus->setText(tr("Asking the server..."));
    m_searcher->start();
}

void CSyncPage::ShowFound() {
    m_searcher->wait();
    delete m_searcher;
    m_searcher = nullptr;
    m_findButton->setEnabled(true);
    const std::shared_ptr<Search> search = std::move(m_search);
    for (const FoundCalendar& calendar : search->found) {
        auto* item = new QListWidgetItem(calendar.name, m_calendarList);
        item->setData(Qt::UserRole, calendar.url.toString());
        item->setToolTip(calendar.url.toDisplayString(QUrl::RemoveUserInfo));
    }
    if (!search->error.isEmpty())
        m_findStatus->setText(search->error);
    else if (search->found.empty())
        m_findStatus->setText(tr("No calendar that holds events is there."));
    else
        m_findStatus->setText(tr("Choose the calendar to synchronise with."));
}

// The calendar's own address, so that every sync goes straight to it.
void CSyncPage::UseCalendar(QListWidgetItem* item) {
    m_urlEdit->setText(item->data(Qt::UserRole).toString());
    m_findStatus->setText(tr("The diary will synchronise with %1.").arg(item->text()));
}
