// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/PageLayout.h"
#include "view/core/DayStyle.h"

class CCalendarDates;
class CMonthIndex;
class QImage;
class QPainter;
class QRect;

// Paints a laid-out page: each text in its colours, days by their marks and
// today. It changes nothing but the pixels.
class CPagePainter {
public:
    // In opaque mode each text's box is filled with its background first;
    // over the picture the texts are drawn alone.
    CPagePainter(QPainter& painter, const ViewColours& colours, const PageFonts& fonts,
                 bool opaque);

    void FillBackground(const QRect& area);
    void DrawPicture(const QImage& picture, const PageRect& where);
    void DrawTexts(const CPageLayout& layout, const CMonthIndex& index,
                   const CCalendarDates& dates);

private:
    DayStyle StyleOf(const PlacedText& text, const CMonthIndex& index,
                     const CCalendarDates& dates) const;
    void DrawText(const PlacedText& text, const DayStyle& style);

    QPainter& m_painter;
    const ViewColours& m_colours;
    const PageFonts& m_fonts;
    bool m_opaque;
};
