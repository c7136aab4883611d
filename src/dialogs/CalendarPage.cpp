// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CalendarPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLocale>

#include "calendar/CalendarNames.h"

CCalendarPage::CCalendarPage(const CSettingsHelper& settings, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("calendarPage"));
    const CalendarOptions stored = LoadCalendarOptions(settings);
    m_weekStart = new QComboBox(this);
    m_weekStart->setObjectName(QStringLiteral("weekStartCombo"));
    // In the order of WeekStartChoice, so that an item's index is its choice.
    const QString localeDay =
        CCalendarNames::ForInterface(QLocale::system())
            .WeekdayFullName(FirstWeekday(WeekStartChoice::Locale, QLocale::system()));
    m_weekStart->addItems(
        {tr("Sunday"), tr("Monday"), tr("As the locale says (%1)").arg(localeDay)});
    m_weekStart->setCurrentIndex(static_cast<int>(stored.weekStart));
    m_weekNumbers = new QCheckBox(tr("Show week numbers (ISO 8601)"), this);
    m_weekNumbers->setObjectName(QStringLiteral("weekNumbersCheck"));
    m_weekNumbers->setChecked(stored.weekNumbers);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Wee&k starts on"), m_weekStart);
    form->addRow(m_weekNumbers);
}

CalendarOptions CCalendarPage::Values() const {
    return {static_cast<WeekStartChoice>(m_weekStart->currentIndex()), m_weekNumbers->isChecked()};
}

void CCalendarPage::keyPressEvent(QKeyEvent* event) {
    // Return in the page confirms the page only; the dialog stays open.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
