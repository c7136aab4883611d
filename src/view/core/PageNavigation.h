// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "view/core/NavigationSteps.h"

class CCalendarDates;
class CSettingsHelper;
struct ViewSettings;

// Which month or year the page shows, and the commands that move it: Prev,
// Next, This and the year view turned on or off.
class CPageNavigation {
public:
    struct Hooks {
        // The month, the year or the view mode on show changed.
        std::function<void()> pageChanged;
        // The year view was turned on or off, before the page follows.
        std::function<void(bool on)> yearViewTurned;
    };

    // `dates`, `settings` and `store` must outlive the navigation.
    CPageNavigation(CCalendarDates& dates, ViewSettings& settings, CSettingsHelper& store,
                    Hooks hooks);

    void Prev();
    void Next();
    void This();
    // Shows a month (or its year) without touching the stored view mode.
    void Show(int month, int year, bool yearView);
    // Makes a day the shown day; the page follows when it shows another
    // month (or, in the year view, another year).
    void ShowDay(int day, int month, int year);
    // Turns the year view on or off and stores the choice.
    void ToggleYearView();

private:
    void ShowPeriod(ShownMonthYear period);

    CCalendarDates& m_dates;
    ViewSettings& m_settings;
    CSettingsHelper& m_store;
    Hooks m_hooks;
};
