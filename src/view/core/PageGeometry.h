// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <vector>

// The arithmetic of the calendar page, free of any painting, so that where
// things land can be checked without a window. All halves are integer
// divisions truncating toward zero, as the layout rules are written.

struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool IsEmpty() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // Right and bottom edges excluded, as a hit test on a day cell expects.
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const PageRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

struct PageSize {
    int width = 0;
    int height = 0;
    bool operator==(const PageSize& other) const {
        return width == other.width && height == other.height;
    }
};

struct PagePoint {
    int x = 0;
    int y = 0;
    bool operator==(const PagePoint& other) const { return x == other.x && y == other.y; }
};

// One rectangle per day of year (index 0 unused), in document coordinates;
// an empty rectangle means the day is not on the page.
inline constexpr int kDayCellCount = 367;
using DayCellTable = std::array<PageRect, kDayCellCount>;
// The first day of year whose cell holds the point; 0 when none does.
int DayAtPoint(const DayCellTable& cells, int x, int y);

// The cells of the month text's lines, which every measure is taken from.
inline constexpr int kCharsPerCell = 3;
inline constexpr int kMonthPageLines = 10;
inline constexpr int kYearMonthLines = 8;
inline constexpr int kMaxYearGridMonths = 12;

struct CalendarMeasure {
    PageSize block;
    int cellWidth = 0;
    int cellCount = 0;
    int lineHeight = 0;
};

// Cuts `text` into pieces of `charsPerCell` characters (below 1 counts as 1);
// only whole pieces count, the widest one's extent is the cell width.
CalendarMeasure MeasureCalendarText(const QString& text, int lines, int charsPerCell,
                                    int lineHeight,
                                    const std::function<int(const QString&)>& textWidth);

// The page block: the month page's measure, or in year view the grid of
// months with one month gap between them, never shorter than the year page
// draws it with its sponsor and phone lines.
PageSize PageBlockSize(const CalendarMeasure& measure, bool yearView, int monthsAcross,
                       int monthsDown, int monthGap);

// Where the page block starts so that it is centred in the client area; never
// negative, so a page larger than the window starts at its top-left corner.
PagePoint PageOrigin(int clientWidth, int clientHeight, PageSize block);

// One centred line (sponsor, phone): its centre x and top, and the rectangle
// of a text `textWidth` wide.
struct CentredLine {
    int centreX = 0;
    int top = 0;
    PageRect rect;
};
CentredLine PlaceCentredLine(int areaWidth, int areaHeight, PageSize block, int lineHeight,
                             int xOffset, int yOffset, int textWidth);

// Where one month's grid lands: the title's centre, the grid's left edge and
// its top row.
struct MonthGridPlace {
    int left = 0;
    int centreX = 0;
    int top = 0;
};
MonthGridPlace PlaceMonthGrid(int areaWidth, int areaHeight, PageSize block, int xOffset,
                              int yOffset);
// The right edge of cell `column` (0 = Sunday) of a grid placed at `place`.
int CellRightEdge(const MonthGridPlace& place, int xOffset, int column, int cellWidth);
// The hit rectangle of a day number: two thirds of a cell, flush right, one line high.
PageRect DayCellRect(int cellRight, int rowTop, int cellWidth, int lineHeight);

// The top-left corner (x offset, y offset) of each month of the year grid,
// January first, row by row; months after December are not listed.
struct YearGridMonth {
    int month = 0;
    PagePoint origin;
};
std::vector<YearGridMonth> YearGridMonthOrigins(PagePoint pageOrigin, int lineHeight,
                                                PageSize monthBlock, int monthGap, int monthsAcross,
                                                int monthsDown);
// The y of the phone line under the year grid.
int YearGridPhoneLineY(PagePoint pageOrigin, int lineHeight, PageSize monthBlock, int monthsDown);

// The scrolling area: total size, page step and line step.
struct ScrollSizes {
    PageSize total;
    PageSize page;
    PageSize line;
};
ScrollSizes ComputeScrollSizes(const CalendarMeasure& measure, bool yearView, int monthsAcross,
                               int monthsDown);

// Where the picture is drawn and how large: centred, or stretched to the
// larger of the client area, its own size and the page block.
PageRect PictureRect(int clientWidth, int clientHeight, PageSize picture, PageSize block,
                     bool stretchWidth, bool stretchHeight);

// The viewport origin that centres the page block on the paper (`paper` in
// device units; `client` the window's client size the drawing centres in).
PagePoint PrintViewportOrigin(PageSize paper, PageSize client, PageSize block);
