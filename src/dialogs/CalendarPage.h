// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "dialogs/core/OptionsSettings.h"

class CSettingsHelper;
class QCheckBox;
class QComboBox;

// The Options dialog's calendar page: the weekday the page's rows start on
// and the week-number column, stored by OK.
class CCalendarPage : public QWidget {
    Q_OBJECT
public:
    explicit CCalendarPage(const CSettingsHelper& settings, QWidget* parent = nullptr);
    CalendarOptions Values() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QComboBox* m_weekStart = nullptr;
    QCheckBox* m_weekNumbers = nullptr;
};
