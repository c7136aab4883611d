// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/PageNavigation.h"

#include "calendar/CalendarDates.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "view/core/ViewSettings.h"

CPageNavigation::CPageNavigation(CCalendarDates& dates, ViewSettings& settings,
                                 CSettingsHelper& store, Hooks hooks)
    : m_dates(dates), m_settings(settings), m_store(store), m_hooks(std::move(hooks)) {}

void CPageNavigation::Prev() {
    ShowPeriod(StepBack({m_dates.ShownMonth(), m_dates.ShownYear()}, m_settings.yearView));
}

void CPageNavigation::Next() {
    ShowPeriod(StepForward({m_dates.ShownMonth(), m_dates.ShownYear()}, m_settings.yearView));
}

void CPageNavigation::This() {
    m_dates.GoToToday();
    m_hooks.pageChanged();
}

void CPageNavigation::Show(int month, int year, bool yearView) {
    m_dates.SetShown(1, month, year);
    m_settings.yearView = yearView;
    m_hooks.pageChanged();
}

void CPageNavigation::ShowDay(int day, int month, int year) {
    const bool samePage =
        year == m_dates.ShownYear() && (m_settings.yearView || month == m_dates.ShownMonth());
    m_dates.SetShown(day, month, year);
    if (!samePage)
        m_hooks.pageChanged();
}

void CPageNavigation::ToggleYearView() {
    m_settings.yearView = !m_settings.yearView;
    m_hooks.yearViewTurned(m_settings.yearView);
    m_store.WriteBool(Key::YearView, m_settings.yearView);
    m_hooks.pageChanged();
}

void CPageNavigation::ShowPeriod(ShownMonthYear period) {
    m_dates.SetShown(m_dates.ShownDay(), period.month, period.year);
    m_hooks.pageChanged();
}
