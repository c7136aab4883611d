// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTabWidget>

class CSettingsHelper;
class CMarqueePage;
class CPicturePage;
class CYearViewPage;
class CSyncPage;
class CCalendarPage;
class IPrompts;

// The tabs of the Options dialog; it owns its five pages.
class COptionsTabCtrl : public QTabWidget {
    Q_OBJECT
public:
    enum PageIndex {
        MarqueeIndex = 0,
        PictureIndex = 1,
        YearViewIndex = 2,
        SyncIndex = 3,
        CalendarIndex = 4
    };

    COptionsTabCtrl(const CSettingsHelper& settings, IPrompts& prompts, QWidget* parent = nullptr);

    CMarqueePage* MarqueePage() const { return m_marqueePage; }
    CPicturePage* PicturePage() const { return m_picturePage; }
    CYearViewPage* YearViewPage() const { return m_yearViewPage; }
    CSyncPage* SyncPage() const { return m_syncPage; }
    CCalendarPage* CalendarPage() const { return m_calendarPage; }

private:
    CMarqueePage* m_marqueePage;
    CPicturePage* m_picturePage;
    CYearViewPage* m_yearViewPage;
    CSyncPage* m_syncPage;
    CCalendarPage* m_calendarPage;
};
