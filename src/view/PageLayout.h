// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <vector>

#include "calendar/MonthText.h"
#include "view/core/PageGeometry.h"
#include "view/core/PageMap.h"
#include "view/core/ViewSettings.h"

class QPaintDevice;

// The faces the page is drawn in; the marquee's is not among them.
struct PageFonts {
    QFont regular;
    QFont heading;
    QFont bold;
};

enum class TextAlign { Centre, Right };
enum class PageFace { Regular, Heading };

// One text of the page at its place: x is its centre or its right end, y its top.
struct PlacedText {
    int x = 0;
    int y = 0;
    QString text;
    TextAlign align = TextAlign::Centre;
    PageFace face = PageFace::Regular;
    // The date a day cell shows; 0 for every other text.
    int dayOfYear = 0;
    int day = 0;
    int month = 0;
    int year = 0;
};

// What the page's layout depends on. `client` is the window's client size
// the page centres in, also when it is laid out for the printer.
struct PageLayoutInput {
    const QPaintDevice* device = nullptr;
    PageFonts fonts;
    int month = 0;
    int year = 0;
    bool yearView = false;
    YearGridShape grid;
    WeekLayout week;
    int monthGap = 0;
    PageSize client;
    QString sponsor;
    QString phone;
};

// Where every text of the month page or the year grid goes, and the map of
// its day cells and lines. It is laid out again whenever what it depends on
// changes, so that painting only reads it.
class CPageLayout {
public:
    void Build(const PageLayoutInput& input);

    const std::vector<PlacedText>& Texts() const { return m_texts; }
    const CPageMap& Map() const { return m_map; }
    // The page block, which the picture is stretched to.
    PageSize Block() const { return m_block; }

private:
    struct Measures;
    void PlaceMonthPage(const PageLayoutInput& input, const Measures& m);
    void PlaceYearGrid(const PageLayoutInput& input, const Measures& m);
    PageRect PlaceLine(const Measures& m, int areaWidth, int areaHeight, PageSize block,
                       int yOffset, const QString& text);
    void PlaceMonth(const Measures& m, int month, int year, int areaWidth, int areaHeight,
                    PageSize block, PagePoint offset);
    void PlaceDayCell(const Measures& m, int month, int year, int day, int right, int top,
                      const QString& cellText);

    std::vector<PlacedText> m_texts;
    CPageMap m_map;
    PageSize m_block;
};

// The calendar text's measure in `font` on `device`, `lines` lines high, its
// cells those of the weekday header of `week`.
CalendarMeasure MeasurePageText(const QFont& font, const QPaintDevice* device, int lines,
                                const WeekLayout& week);
