#include <gtest/gtest.h>

#include "view/core/DayStyle.h"
#include "view/core/PageGeometry.h"

namespace {
// A fixed-pitch stand-in for font metrics: every character 6 pixels wide.
int SixPerChar(const QString& text) {
    return 6 * static_cast<int>(text.size());
}

CalendarMeasure HeaderMeasure(int lines, int lineHeight = 13) {
    return MeasureCalendarText(QString::fromLatin1(kWeekdayHeader), lines, kCharsPerCell,
                               lineHeight, SixPerChar);
}
}  // namespace

TEST(MeasureCalendarText, HeaderGivesSevenCellsWithoutTheTrailingBlank) {
    const CalendarMeasure month = HeaderMeasure(kMonthPageLines);
    EXPECT_EQ(month.cellCount, 7);
    EXPECT_EQ(month.cellWidth, 18);
    EXPECT_EQ(month.block, (PageSize{126, 130}));
    EXPECT_EQ(HeaderMeasure(kYearMonthLines).block, (PageSize{126, 104}));
}

TEST(MeasureCalendarText, CellWidthIsTheWidestPieceAndZeroPerCellCountsAsOne) {
    auto widthOfW = [](const QString& text) { return text.contains('W') ? 30 : 10; };
    const CalendarMeasure m = MeasureCalendarText(QStringLiteral("aaWbbb"), 2, 3, 10, widthOfW);
    EXPECT_EQ(m.cellCount, 2);
    EXPECT_EQ(m.cellWidth, 30);
    const CalendarMeasure single = MeasureCalendarText(QStringLiteral("abc"), 1, 0, 10, SixPerChar);
    EXPECT_EQ(single.cellCount, 3);
    EXPECT_EQ(single.cellWidth, 6);
    EXPECT_EQ(MeasureCalendarText(QString(), 1, 3, 10, SixPerChar).block, (PageSize{0, 10}));
}

TEST(PageLayout, PageIsCentredAndNeverStartsLeftOrAboveTheWindow) {
    const PageSize block{126, 130};
    EXPECT_EQ(PageOrigin(490, 390, block), (PagePoint{245 - 63, 195 - 65}));
    EXPECT_EQ(PageOrigin(100, 50, block), (PagePoint{0, 0}));
    // Halves truncate separately: 491/2 - 127/2 = 245 - 63.
    EXPECT_EQ(PageOrigin(491, 391, {127, 131}), (PagePoint{182, 130}));
}

TEST(PageLayout, YearBlockAddsOneGapBetweenMonths) {
    const CalendarMeasure m = HeaderMeasure(kYearMonthLines);
    EXPECT_EQ(PageBlockSize(m, true, 3, 4, 18), (PageSize{3 * 126 + 2 * 18, 4 * 104 + 3 * 18}));
    EXPECT_EQ(PageBlockSize(m, true, 12, 1, 18), (PageSize{12 * 126 + 11 * 18, 104}));
    EXPECT_EQ(PageBlockSize(m, false, 3, 4, 18), m.block);
}

TEST(PageLayout, CentredLineCentresOnTheWiderOfAreaAndBlock) {
    const CentredLine wide = PlaceCentredLine(490, 390, {126, 130}, 13, 0, 0, 100);
    EXPECT_EQ(wide.centreX, 245);
    EXPECT_EQ(wide.top, 130);
    EXPECT_EQ(wide.rect, (PageRect{195, 130, 295, 143}));
    // A window narrower than the page: centred on half the page width, top at the offset.
    const CentredLine narrow = PlaceCentredLine(80, 60, {126, 130}, 13, 0, 9 * 13, 40);
    EXPECT_EQ(narrow.centreX, 63);
    EXPECT_EQ(narrow.top, 117);
}

TEST(PageLayout, DayCellsAreTwoThirdsOfACellFlushRight) {
    const PageSize block{126, 130};
    const MonthGridPlace place = PlaceMonthGrid(490, 390, block, 0, 13);
    EXPECT_EQ(place.left, 182);
    EXPECT_EQ(place.top, 13 + 130);
    EXPECT_EQ(CellRightEdge(place, 0, 0, 18), 200);
    EXPECT_EQ(CellRightEdge(place, 0, 6, 18), 182 + 7 * 18);
    EXPECT_EQ(DayCellRect(200, 156, 18, 13), (PageRect{188, 156, 200, 169}));
    // 2 x 20 / 3 truncates to 13.
    EXPECT_EQ(DayCellRect(100, 0, 20, 13), (PageRect{87, 0, 100, 13}));
}

TEST(PageLayout, DayCellHitTestExcludesRightAndBottomEdges) {
    const PageRect cell{10, 20, 22, 33};
    EXPECT_TRUE(cell.Contains(10, 20));
    EXPECT_TRUE(cell.Contains(21, 32));
    EXPECT_FALSE(cell.Contains(22, 25));
    EXPECT_FALSE(cell.Contains(15, 33));
    EXPECT_TRUE(PageRect{}.IsEmpty());
}

TEST(YearGrid, MonthsRunRowByRowWithGapsAcrossOnly) {
    const PageSize month{126, 104};
    const auto origins = YearGridMonthOrigins({5, 7}, 13, month, 18, 3, 4);
    ASSERT_EQ(origins.size(), 12u);
    EXPECT_EQ(origins[0].month, 1);
    EXPECT_EQ(origins[0].origin, (PagePoint{5, 7 + 26}));
    EXPECT_EQ(origins[2].origin, (PagePoint{5 + 2 * (126 + 18), 33}));
    EXPECT_EQ(origins[3].origin, (PagePoint{5, 33 + 104}));
    EXPECT_EQ(origins[11].month, 12);
    EXPECT_EQ(origins[11].origin, (PagePoint{5 + 2 * 144, 33 + 3 * 104}));
    EXPECT_EQ(YearGridPhoneLineY({5, 7}, 13, month, 4), 33 + 3 * 104 + 7 * 13 + 26);
}

TEST(YearGrid, ShortGridsStopEarlyAndCellsAfterDecemberStayEmpty) {
    const PageSize month{126, 104};
    const auto eight = YearGridMonthOrigins({0, 0}, 13, month, 18, 4, 2);
    ASSERT_EQ(eight.size(), 8u);
    EXPECT_EQ(eight.back().month, 8);
    EXPECT_EQ(YearGridMonthOrigins({0, 0}, 13, month, 18, 5, 5).size(), 12u);
    const auto row = YearGridMonthOrigins({0, 0}, 13, month, 18, 12, 1);
    EXPECT_EQ(row.back().origin, (PagePoint{11 * 144, 26}));
}

TEST(ScrollSizes, MonthPageStepsByCellAndTenEighthsOfALine) {
    const ScrollSizes month = ComputeScrollSizes(HeaderMeasure(kMonthPageLines), false, 3, 4);
    EXPECT_EQ(month.total, (PageSize{126, 130}));
    EXPECT_EQ(month.page, (PageSize{18, 16}));
    EXPECT_EQ(month.line, (PageSize{1, 1}));
}

TEST(ScrollSizes, YearViewStepsByAboutOneMonth) {
    const ScrollSizes year = ComputeScrollSizes(HeaderMeasure(kYearMonthLines), true, 3, 4);
    EXPECT_EQ(year.total, (PageSize{3 * 126 + 2 * 18, 4 * 104 + 3 * 18}));
    EXPECT_EQ(year.page, (PageSize{414 / 3, 470 / 4}));
    EXPECT_EQ(year.line, (PageSize{13, 11}));
}

TEST(PictureRect, StretchingFillsTheLargerOfWindowPictureAndPage) {
    const PageSize picture{557, 405};
    EXPECT_EQ(PictureRect(490, 390, picture, {126, 130}, true, true), (PageRect{0, 0, 557, 405}));
    EXPECT_EQ(PictureRect(800, 600, picture, {126, 130}, true, true), (PageRect{0, 0, 800, 600}));
    // A year grid larger than the window: the picture covers the whole grid.
    EXPECT_EQ(PictureRect(490, 390, picture, {1700, 470}, true, true), (PageRect{0, 0, 1700, 470}));
}

TEST(PictureRect, UnstretchedPictureIsCentredOrPinnedToTheEdge) {
    const PageSize picture{557, 405};
    EXPECT_EQ(PictureRect(800, 600, picture, {126, 130}, false, false),
              (PageRect{400 - 278, 300 - 202, 400 - 278 + 557, 300 - 202 + 405}));
    EXPECT_EQ(PictureRect(300, 200, picture, {126, 130}, false, false), (PageRect{0, 0, 557, 405}));
    // Width stretched, height natural and centred.
    EXPECT_EQ(PictureRect(800, 600, picture, {126, 130}, true, false), (PageRect{0, 98, 800, 503}));
}

TEST(PrintLayout, BlockLandsCentredOnThePaper) {
    const PageSize paper{2480, 3508};
    const PageSize client{490, 390};
    const PageSize bigBlock{1200, 1150};
    const PagePoint origin = PrintViewportOrigin(paper, client, bigBlock);
    EXPECT_EQ(origin, (PagePoint{640, 1179}));
    // A block smaller than the window is centred by the drawing inside it.
    const PageSize small{300, 200};
    const PagePoint o = PrintViewportOrigin(paper, client, small);
    EXPECT_EQ(o.x + PageOrigin(client.width, client.height, small).x, (2480 - 300) / 2);
    EXPECT_EQ(o.y + PageOrigin(client.width, client.height, small).y, (3508 - 200) / 2);
}

TEST(DayStyle, FirstMatchingRuleWins) {
    ViewColours c;
    c.text = 1;
    c.background = 2;
    c.todayText = 3;
    c.todayBackground = 4;
    c.entryText = 5;
    c.entryBackground = 6;
    c.holidayText = 7;
    c.holidayBackground = 8;
    EXPECT_EQ(ChooseDayStyle(c, false, kMarkNone), (DayStyle{1, 2, false}));
    EXPECT_EQ(ChooseDayStyle(c, false, kMarkEntry), (DayStyle{5, 6, false}));
    EXPECT_EQ(ChooseDayStyle(c, false, kMarkHoliday), (DayStyle{7, 8, false}));
    EXPECT_EQ(ChooseDayStyle(c, false, kMarkBoth), (DayStyle{7, 8, true}));
    // Today with an entry or a holiday still shows the today colours.
    for (int mark = 0; mark <= 3; ++mark)
        EXPECT_EQ(ChooseDayStyle(c, true, mark), (DayStyle{3, 4, false}));
    EXPECT_EQ(ChooseDayStyle(c, false, 7), (DayStyle{1, 2, false}));
}
