// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

#include "dialogs/core/OptionsSettings.h"

class CSettingsHelper;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;
class QThread;

// The Options dialog's CalDAV page: the calendar's address, the user, a
// password for the keyring (left empty, the stored one stays), how often the
// window synchronises, and when the last good sync ended. Find Calendars
// asks the server, on a thread of its own, which calendars are behind the
// address typed; choosing one puts that calendar's own address in its place.
class CSyncPage : public QWidget {
    Q_OBJECT
public:
    explicit CSyncPage(const CSettingsHelper& settings, QWidget* parent = nullptr);
    // Stops a search under way and waits for its thread, which ends within
    // a fraction of a second of being asked.
    ~CSyncPage() override;

    SyncOptions Values() const;
    QString Password() const;
    QLineEdit* UrlEdit() const { return m_urlEdit; }

private:
    struct Search;

    void FindCalendars();
    void StartSearch(const QString& password);
    void ShowFound();
    void UseCalendar(QListWidgetItem* item);

    QLineEdit* m_urlEdit = nullptr;
    QLineEdit* m_userEdit = nullptr;
    QLineEdit* m_passwordEdit = nullptr;
    QSpinBox* m_everySpin = nullptr;
    QPushButton* m_findButton = nullptr;
    QListWidget* m_calendarList = nullptr;
    QLabel* m_findStatus = nullptr;
    QString m_caFile;
    QThread* m_searcher = nullptr;
    std::shared_ptr<Search> m_search;
};
