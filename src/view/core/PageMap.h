// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/core/DayHitTest.h"
#include "view/core/PageGeometry.h"

// Where the laid-out page put each day and the sponsor and phone lines, in
// document coordinates: what clicks, the pointer, tips and drags look up.
class CPageMap {
public:
    void Clear();
    // Days of year outside 1..366 have no cell and are ignored.
    void SetDayCell(int dayOfYear, PageRect cell);
    void SetSponsorLine(PageRect line) { m_sponsorLine = line; }
    void SetPhoneLine(PageRect line) { m_phoneLine = line; }

    const DayCellTable& DayCells() const { return m_cells; }
    PageRect SponsorLine() const { return m_sponsorLine; }
    PageRect PhoneLine() const { return m_phoneLine; }

    // The day whose cell holds the point; 0 when none does.
    int DayAt(PagePoint point) const;
    bool IsOnPromotionLine(PagePoint point) const;
    PageRegions Regions() const { return {m_cells, m_sponsorLine, m_phoneLine}; }

private:
    DayCellTable m_cells{};
    PageRect m_sponsorLine;
    PageRect m_phoneLine;
};
