// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/PageGeometry.h"

#include <algorithm>

namespace {
int Half(int value) {
    return value / 2;
}
int HalfNotNegative(int value) {
    return std::max(0, value / 2);
}
}  // namespace

int DayAtPoint(const DayCellTable& cells, int x, int y) {
    for (int day = 1; day < kDayCellCount; ++day) {
        if (cells[day].Contains(x, y))
            return day;
    }
    return 0;
}

CalendarMeasure MeasureCalendarText(const QString& text, int lines, int charsPerCell,
                                    int lineHeight,
                                    const std::function<int(const QString&)>& textWidth) {
    const int perCell = std::max(1, charsPerCell);
    CalendarMeasure measure;
    for (qsizetype start = 0; start + perCell <= text.size(); start += perCell) {
        measure.cellWidth = std::max(measure.cellWidth, textWidth(text.mid(start, perCell)));
        ++measure.cellCount;
    }
    measure.block = {measure.cellCount * measure.cellWidth, lines * lineHeight};
    measure.lineHeight = lineHeight;
    return measure;
}

PageSize PageBlockSize(const CalendarMeasure& measure, bool yearView, int monthsAcross,
                       int monthsDown, int monthGap) {
    if (!yearView)
        return measure.block;
    const int rows = measure.block.height * monthsDown;
    // The rows are drawn without a gap, between the sponsor line two lines
    // above and the phone line two lines below; with few rows those lines
    // reach past the gaps' share, and the page must scroll to show them.
    const int drawnHeight = rows + 4 * measure.lineHeight;
    return {measure.block.width * monthsAcross + (monthsAcross - 1) * monthGap,
            std::max(rows + (monthsDown - 1) * monthGap, drawnHeight)};
}

PagePoint PageOrigin(int clientWidth, int clientHeight, PageSize block) {
    return {std::max(0, Half(clientWidth) - Half(block.width)),
            std::max(0, Half(clientHeight) - Half(block.height))};
}

CentredLine PlaceCentredLine(int areaWidth, int areaHeight, PageSize block, int lineHeight,
                             int xOffset, int yOffset, int textWidth) {
    CentredLine line;
    line.centreX = xOffset + Half(std::max(areaWidth, block.width));
    line.top = yOffset + HalfNotNegative(areaHeight - block.height);
    line.rect = {line.centreX - Half(textWidth), line.top, line.centreX + Half(textWidth),
                 line.top + lineHeight};
    return line;
}

MonthGridPlace PlaceMonthGrid(int areaWidth, int areaHeight, PageSize block, int xOffset,
                              int yOffset) {
    MonthGridPlace place;
    place.left = HalfNotNegative(areaWidth - block.width);
    place.centreX = xOffset + Half(std::max(areaWidth, block.width));
    place.top = yOffset + HalfNotNegative(areaHeight - block.height);
    return place;
}

int CellRightEdge(const MonthGridPlace& place, int xOffset, int column, int cellWidth) {
    return xOffset + place.left + (column + 1) * cellWidth;
}

PageRect DayCellRect(int cellRight, int rowTop, int cellWidth, int lineHeight) {
    const int hitWidth = (2 * cellWidth) / 3;
    return {cellRight - hitWidth, rowTop, cellRight, rowTop + lineHeight};
}

std::vector<YearGridMonth> YearGridMonthOrigins(PagePoint pageOrigin, int lineHeight,
                                                PageSize monthBlock, int monthGap, int monthsAcross,
                                                int monthsDown) {
    std::vector<YearGridMonth> months;
    int month = 0;
    int y = pageOrigin.y + 2 * lineHeight;
    for (int row = 0; row < monthsDown; ++row) {
        int x = pageOrigin.x;
        for (int column = 0; column < monthsAcross; ++column) {
            ++month;
            if (month <= kMaxYearGridMonths)
                months.push_back({month, {x, y}});
            x += monthBlock.width + monthGap;
        }
        y += monthBlock.height;
    }
    return months;
}

int YearGridPhoneLineY(PagePoint pageOrigin, int lineHeight, PageSize monthBlock, int monthsDown) {
    // The last month's last week row lies 7 lines below its title row.
    const int lastRowTop = pageOrigin.y + 2 * lineHeight + (monthsDown - 1) * monthBlock.height;
    return lastRowTop + 7 * lineHeight + 2 * lineHeight;
}

ScrollSizes ComputeScrollSizes(const CalendarMeasure& measure, bool yearView, int monthsAcross,
                               int monthsDown) {
    ScrollSizes sizes;
    sizes.page = {measure.block.width / 7, measure.block.height / 8};
    sizes.total = PageBlockSize(measure, yearView, monthsAcross, monthsDown, measure.cellWidth);
    if (yearView) {
        sizes.page = {sizes.total.width / std::max(1, monthsAcross),
                      sizes.total.height / std::max(1, monthsDown)};
    }
    sizes.line = {sizes.page.width / 10, sizes.page.height / 10};
    return sizes;
}

PageRect PictureRect(int clientWidth, int clientHeight, PageSize picture, PageSize block,
                     bool stretchWidth, bool stretchHeight) {
    int x = std::max(0, Half(clientWidth) - Half(picture.width));
    int y = std::max(0, Half(clientHeight) - Half(picture.height));
    int width = picture.width;
    int height = picture.height;
    if (stretchWidth) {
        width = std::max({clientWidth, picture.width, block.width});
        x = 0;
    }
    if (stretchHeight) {
        height = std::max({clientHeight, picture.height, block.height});
        y = 0;
    }
    return {x, y, x + width, y + height};
}

PagePoint PrintViewportOrigin(PageSize paper, PageSize client, PageSize block) {
    const int offsetX = Half(paper.width - client.width);
    const int offsetY = Half(paper.height - client.height);
    const int centringX = HalfNotNegative(paper.width - block.width);
    const int centringY = HalfNotNegative(paper.height - block.height);
    return {std::min(offsetX, centringX), std::min(offsetY, centringY)};
}
