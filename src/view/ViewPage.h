// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "view/PageLayout.h"

class CCalendarDates;
class CMonthIndex;
class QAbstractScrollArea;
class QPainter;
class QPoint;
class QRect;

// The page in the view's scroll area: its layout at the window's size, the
// scrolling sizes measured from its font, the picture under it, and what lies
// under a point of the client area. It reads the dates, settings, fonts and
// marks the view holds and is laid out again whenever one of them changes,
// so that painting only reads it.
class CViewPage {
public:
    // Each argument must outlive the page.
    CViewPage(QAbstractScrollArea& area, const CCalendarDates& dates, const ViewSettings& settings,
              const PageFonts& fonts, const CMonthIndex& index);

    // Measures the page in the current font and view mode, then sets the
    // scroll ranges and lays the page out again.
    void UpdateScrollSizes();
    // The whole page's size (what the scroll ranges cover) in `font`.
    PageSize NaturalSize(const QFont& font) const;
    // The client area changed size: the ranges follow and the page centres again.
    void FitClientArea();
    void Relayout();
    void LoadPictureIfShown();

    // What a layout on `device` in `fonts` depends on; the printer's page
    // centres in the window's client size too.
    PageLayoutInput LayoutInput(const QPaintDevice* device, const PageFonts& fonts,
                                int monthGap) const;
    void Draw(QPainter& painter, const QRect& clip, const CPageLayout& layout,
              const PageFonts& fonts, bool withPicture) const;

    // How the week rows run: the settings' first weekday under the
    // system locale, and the week numbers.
    WeekLayout Week() const;

    PagePoint ToDocument(const QPoint& client) const;
    // The day under a point of the client area; 0 when none.
    int DayAt(const QPoint& client) const;
    bool IsOnPromotionLine(const QPoint& client) const;
    // The window's client size, which the page centres in.
    PageSize ClientSize() const;
    const CPageLayout& Layout() const { return m_layout; }
    const CPageMap& Map() const { return m_layout.Map(); }
    ScrollSizes Sizes() const { return m_scrollSizes; }

private:
    void ApplyScrollRanges();

    QAbstractScrollArea& m_area;
    const CCalendarDates& m_dates;
    const ViewSettings& m_settings;
    const PageFonts& m_fonts;
    const CMonthIndex& m_index;

    CPageLayout m_layout;
    ScrollSizes m_scrollSizes;
    int m_monthGap = 0;
    QImage m_picture;
};
