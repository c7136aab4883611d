// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/PageMap.h"

void CPageMap::Clear() {
    m_cells.fill(PageRect{});
    m_sponsorLine = PageRect{};
    m_phoneLine = PageRect{};
}

void CPageMap::SetDayCell(int dayOfYear, PageRect cell) {
    if (dayOfYear > 0 && dayOfYear < kDayCellCount)
        m_cells[dayOfYear] = cell;
}

int CPageMap::DayAt(PagePoint point) const {
    return DayAtPoint(m_cells, point.x, point.y);
}

bool CPageMap::IsOnPromotionLine(PagePoint point) const {
    return m_sponsorLine.Contains(point.x, point.y) || m_phoneLine.Contains(point.x, point.y);
}
