// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/MonthText.h"
#include "reminders/Reminders.h"
#include "settings/SettingsHelper.h"
#include "view/CalView.h"
#include "view/DayTip.h"
#include "view/core/TipText.h"

void CCalView::ClickDay(int dayOfYear, Qt::KeyboardModifiers modifiers) {
    int day = 0;
    int month = 0;
    int year = 0;
    DayOfYearToDate(dayOfYear, m_dates.ShownYear(), day, month, year);
    m_dates.SetShown(day, m_dates.ShownMonth(), m_dates.ShownYear());
    // Shift alone adds an entry; with Ctrl as well it is an ordinary click.
    if (modifiers == Qt::ShiftModifier)
        RunDiaryEntryDialog(DateKey(day, month, year), true);
    else if (m_reminders)
        m_reminders->CheckDiary(day, month, year, false);
}

bool CCalView::ShowDayTip(const QPoint& client, const QPoint& global) {
    const int dayOfYear = m_page.DayAt(client);
    const int mark = dayOfYear != 0 ? m_index.Mark(dayOfYear) : 0;
    if (mark == 0 || !m_reminders) {
        if (m_dayTip)
            m_dayTip->HideTip();
        m_tipDay = 0;
        return false;
    }
    // Resting on the same day does not gather (and play) its messages again.
    if (dayOfYear == m_tipDay && m_dayTip && m_dayTip->isVisible())
        return true;
    int day = 0;
    int month = 0;
    int year = 0;
    DayOfYearToDate(dayOfYear, m_dates.ShownYear(), day, month, year);
    const QString text = CutTipText(m_reminders->GatherDayMessages(day, month, year, true));
    if (text.isEmpty())
        return false;
    if (!m_dayTip)
        m_dayTip = new CDayTip(this);
    const ViewColours& colours = m_settings.colours;
    m_dayTip->ShowTip(text, TipBackground(mark, colours.entryText, colours.holidayText),
                      global + QPoint(2, 16));
    m_tipDay = dayOfYear;
    return true;
}
