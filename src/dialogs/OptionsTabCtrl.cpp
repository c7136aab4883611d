// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/OptionsTabCtrl.h"

#include "dialogs/CalendarPage.h"
#include "dialogs/MarqueePage.h"
#include "dialogs/PicturePage.h"
#include "dialogs/SyncPage.h"
#include "dialogs/YearViewPage.h"

COptionsTabCtrl::COptionsTabCtrl(const CSettingsHelper& settings, IPrompts& prompts,
                                 QWidget* parent)
    : QTabWidget(parent),
      m_marqueePage(new CMarqueePage(settings, prompts, this)),
      m_picturePage(new CPicturePage(settings, this)),
      m_yearViewPage(new CYearViewPage(settings, prompts, this)),
      m_syncPage(new CSyncPage(settings, this)),
      m_calendarPage(new CCalendarPage(settings, this)) {
    setObjectName(QStringLiteral("optionsTabs"));
    insertTab(MarqueeIndex, m_marqueePage, tr("Marquee Options"));
    insertTab(PictureIndex, m_picturePage, tr("Picture Options"));
    insertTab(YearViewIndex, m_yearViewPage, tr("Year View Options"));
    insertTab(SyncIndex, m_syncPage, tr("Synchronise"));
    insertTab(CalendarIndex, m_calendarPage, tr("Calendar"));
    setCurrentIndex(MarqueeIndex);
}
