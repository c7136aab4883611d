// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/MonthText.h"
#include "support/RowName.h"
#include "view/core/DayStyle.h"
#include "view/core/PageGeometry.h"
#include "view/core/PageZoom.h"

namespace {
// A fixed-pitch stand-in for font metrics: every character 6 pixels wide, so
// a header cell is 18 pixels and the month block 126 wide.
CalendarMeasure HeaderMeasure(int lines) {
    return MeasureCalendarText(
        QString::fromStdString(WeekdayHeader({})), lines, kCharsPerCell, 13,
        [](const QString& text) { return 6 * static_cast<int>(text.size()); });
}

TEST(PageGeometry, MeasuresCellsBlocksAndScrollSteps) {
    const CalendarMeasure month = HeaderMeasure(kMonthPageLines);
    EXPECT_EQ(month.cellCount, 7) << "the trailing blank is no cell";
    EXPECT_EQ(month.cellWidth, 18);
    EXPECT_EQ(month.block, (PageSize{126, 130}));
    auto widthOfW = [](const QString& text) { return text.contains('W') ? 30 : 10; };
    EXPECT_EQ(MeasureCalendarText("aaWbbb", 2, 3, 10, widthOfW).cellWidth, 30)
        << "the widest piece";
    EXPECT_EQ(MeasureCalendarText("abc", 1, 0, 10, widthOfW).cellCount, 3)
        << "no characters per cell counts as one";
    const CalendarMeasure yearMonth = HeaderMeasure(kYearMonthLines);
    EXPECT_EQ(PageBlockSize(yearMonth, true, 3, 4, 18),
              (PageSize{3 * 126 + 2 * 18, 4 * 104 + 3 * 18}));
    EXPECT_EQ(PageBlockSize(yearMonth, false, 3, 4, 18), yearMonth.block);
    // Scrolling steps by cells in month view and by months in year view.
    const ScrollSizes monthSteps = ComputeScrollSizes(month, false, 3, 4);
    EXPECT_EQ(monthSteps.page, (PageSize{18, 16}));
    EXPECT_EQ(monthSteps.line, (PageSize{1, 1}));
    const ScrollSizes yearSteps = ComputeScrollSizes(yearMonth, true, 3, 4);
    EXPECT_EQ(yearSteps.total, (PageSize{414, 470}));
    EXPECT_EQ(yearSteps.page, (PageSize{414 / 3, 470 / 4}));
    EXPECT_EQ(yearSteps.line, (PageSize{13, 11}));
    // With few rows the page ends at the bottom of the phone line.
    for (const int down : {1, 2})
        EXPECT_EQ(ComputeScrollSizes(yearMonth, true, 4, down).total.height,
                  YearGridPhoneLineY({0, 0}, 13, {126, 104}, down) + 13)
            << down;
}

// Where the page block lands in a client area: centred, never left of or above it.
struct OriginRow {
    const char* name;
    int clientWidth, clientHeight, blockWidth, blockHeight, x, y;
};

class PageOrigins : public ::testing::TestWithParam<OriginRow> {};

TEST_P(PageOrigins, CentreTheBlock) {
    const OriginRow& r = GetParam();
    EXPECT_EQ(PageOrigin(r.clientWidth, r.clientHeight, {r.blockWidth, r.blockHeight}),
              (PagePoint{r.x, r.y}));
}

INSTANTIATE_TEST_SUITE_P(PageGeometry, PageOrigins,
                         ::testing::Values(OriginRow{"Centred", 490, 390, 126, 130, 182, 130},
                                           OriginRow{"HalvesTruncateSeparately", 491, 391, 127, 131,
                                                     182, 130},
                                           OriginRow{"SmallWindow", 100, 50, 126, 130, 0, 0}),
                         RowName());

TEST(PageGeometry, LinesCellsTheYearGridAndThePrintedBlock) {
    const CentredLine wide = PlaceCentredLine(490, 390, {126, 130}, 13, 0, 0, 100);
    EXPECT_EQ(wide.rect, (PageRect{195, 130, 295, 143}));
    const CentredLine narrow = PlaceCentredLine(80, 60, {126, 130}, 13, 0, 9 * 13, 40);
    EXPECT_EQ(narrow.centreX, 63) << "centred on the wider of area and page";
    EXPECT_EQ(narrow.top, 117);
    const MonthGridPlace place = PlaceMonthGrid(490, 390, {126, 130}, 0, 13);
    EXPECT_EQ(CellRightEdge(place, 0, 6, 18), 182 + 7 * 18);
    EXPECT_EQ(place.top, 13 + 130);
    // Two thirds of a cell, flush right; 2 x 20 / 3 truncates to 13.
    EXPECT_EQ(DayCellRect(100, 0, 20, 13), (PageRect{87, 0, 100, 13}));
    const PageRect cell{10, 20, 22, 33};
    EXPECT_TRUE(cell.Contains(10, 20) && cell.Contains(21, 32));
    EXPECT_FALSE(cell.Contains(22, 25) || cell.Contains(15, 33))
        << "right and bottom edges are outside";

    const auto origins = YearGridMonthOrigins({5, 7}, 13, {126, 104}, 18, 3, 4);
    ASSERT_EQ(origins.size(), 12u);
    EXPECT_EQ(origins[2].origin, (PagePoint{5 + 2 * (126 + 18), 33}));
    EXPECT_EQ(origins[11].origin, (PagePoint{5 + 2 * 144, 33 + 3 * 104})) << "no gap between rows";
    EXPECT_EQ(YearGridPhoneLineY({5, 7}, 13, {126, 104}, 4), 33 + 3 * 104 + 7 * 13 + 26);
    EXPECT_EQ(YearGridMonthOrigins({0, 0}, 13, {126, 104}, 18, 4, 2).back().month, 8);
    EXPECT_EQ(YearGridMonthOrigins({0, 0}, 13, {126, 104}, 18, 5, 5).size(), 12u);
    // The printed block lands centred on the paper.
    EXPECT_EQ(PrintViewportOrigin({2480, 3508}, {490, 390}, {1200, 1150}), (PagePoint{640, 1179}));
    const PagePoint o = PrintViewportOrigin({2480, 3508}, {490, 390}, {300, 200});
    EXPECT_EQ(o.x + PageOrigin(490, 390, {300, 200}).x, (2480 - 300) / 2);
}

// The picture's rectangle: stretched to the larger of window, picture and
// page, or natural and centred (pinned at 0 when larger than the window).
struct PictureRow {
    const char* name;
    int clientWidth, clientHeight, blockWidth;
    bool stretchWidth, stretchHeight;
    PageRect rect;
};

class PictureRects : public ::testing::TestWithParam<PictureRow> {};

TEST_P(PictureRects, CoverTheWindow) {
    const PictureRow& r = GetParam();
    EXPECT_EQ(PictureRect(r.clientWidth, r.clientHeight, {557, 405}, {r.blockWidth, 470},
                          r.stretchWidth, r.stretchHeight),
              r.rect);
}

INSTANTIATE_TEST_SUITE_P(
    PageGeometry, PictureRects,
    ::testing::Values(
        PictureRow{"StretchedSmallWindow", 490, 390, 126, true, true, {0, 0, 557, 470}},
        PictureRow{"StretchedLargeWindow", 800, 600, 126, true, true, {0, 0, 800, 600}},
        PictureRow{"StretchedOverAWideGrid", 490, 390, 1700, true, true, {0, 0, 1700, 470}},
        PictureRow{"NaturalCentred", 800, 600, 126, false, false, {122, 98, 679, 503}},
        PictureRow{"NaturalPinned", 300, 200, 126, false, false, {0, 0, 557, 405}},
        PictureRow{"WidthOnly", 800, 600, 126, true, false, {0, 98, 800, 503}}),
    RowName());

TEST(DayStyle, FirstMatchingRuleWins) {
    const ViewColours c{1, 2, 3, 4, 5, 6, 7, 8};
    // today?, mark: text, background, bold
    const std::tuple<bool, int, DayStyle> cases[] = {{false, kMarkNone, {1, 2, false}},
                                                     {false, kMarkEntry, {5, 6, false}},
                                                     {false, kMarkHoliday, {7, 8, false}},
                                                     {false, kMarkBoth, {7, 8, true}},
                                                     {true, kMarkBoth, {3, 4, false}},
                                                     {true, kMarkEntry, {3, 4, false}},
                                                     {false, 7, {1, 2, false}}};
    for (const auto& [today, mark, style] : cases)
        EXPECT_EQ(ChooseDayStyle(c, today, mark), style) << today << mark;
}
}  // namespace

// The font size at which a page measured at 11 px fills a window.
struct FitRow {
    const char* name;
    int clientWidth, clientHeight, naturalWidth, naturalHeight, pixels;
};
class FitSizes : public ::testing::TestWithParam<FitRow> {};
TEST_P(FitSizes, FillTheNarrowerWay) {
    const FitRow& r = GetParam();
    EXPECT_EQ(FitPixelSize({r.clientWidth, r.clientHeight}, {r.naturalWidth, r.naturalHeight}, 11),
              r.pixels);
}
INSTANTIATE_TEST_SUITE_P(PageZoom, FitSizes,
                         ::testing::Values(FitRow{"HeightBinds", 1200, 900, 170, 150, 66},
                                           FitRow{"WidthBinds", 340, 900, 170, 150, 22},
                                           FitRow{"RoundsDownNeverOver", 339, 300, 170, 150, 21},
                                           FitRow{"TinyWindowKeepsTheSmallest", 10, 10, 170, 150,
                                                  4},
                                           FitRow{"EmptyWindowChangesNothing", 0, 0, 170, 150, 11}),
                         RowName());
