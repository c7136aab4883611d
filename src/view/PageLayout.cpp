// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PageLayout.h"

#include <QFontMetrics>
#include <algorithm>

#include "calendar/DateLib.h"
#include "calendar/MonthText.h"

struct CPageLayout::Measures {
    const QPaintDevice* device = nullptr;
    WeekLayout week;
    QFontMetrics regular;
    QFontMetrics heading;
    int lineHeight = 0;
    int cellWidth = 0;
    int cellCount = 0;
};

CalendarMeasure MeasurePageText(const QFont& font, const QPaintDevice* device, int lines,
                                const WeekLayout& week) {
    const QFontMetrics metrics(font, device);
    return MeasureCalendarText(
        QString::fromLatin1(WeekdayHeader(week).c_str()), lines, kCharsPerCell,
        metrics.lineSpacing(),
        [&metrics](const QString& piece) { return metrics.horizontalAdvance(piece); });
}

void CPageLayout::Build(const PageLayoutInput& input) {
    m_texts.clear();
    m_map.Clear();
    const CalendarMeasure measure =
        MeasurePageText(input.fonts.regular, input.device,
                        input.yearView ? kYearMonthLines : kMonthPageLines, input.week);
    m_block =
        PageBlockSize(measure, input.yearView, input.grid.across, input.grid.down, input.monthGap);
    Measures m{input.device, input.week, QFontMetrics(input.fonts.regular, input.device),
               QFontMetrics(input.fonts.heading, input.device)};
    m.lineHeight = m.regular.lineSpacing();
    m.cellWidth = measure.cellWidth;
    m.cellCount = measure.cellCount;
    if (input.yearView)
        PlaceYearGrid(input, m);
    else
        PlaceMonthPage(input, m);
}

void CPageLayout::PlaceMonthPage(const PageLayoutInput& input, const Measures& m) {
    const int width = input.client.width;
    const int height = input.client.height;
    m_map.SetSponsorLine(PlaceLine(m, width, height, m_block, 0, input.sponsor));
    PlaceMonth(m, input.month, input.year, width, height, m_block, {0, m.lineHeight});
    m_map.SetPhoneLine(
        PlaceLine(m, width, height, m_block, (kMonthPageLines - 1) * m.lineHeight, input.phone));
}

void CPageLayout::PlaceYearGrid(const PageLayoutInput& input, const Measures& m) {
    const PagePoint origin = PageOrigin(input.client.width, input.client.height, m_block);
    // The lines centre over the wider of the window and the grid.
    const int lineAreaWidth = std::max(input.client.width, m_block.width);
    const PageSize month =
        MeasurePageText(input.fonts.regular, m.device, kYearMonthLines, input.week).block;

    m_map.SetSponsorLine(PlaceLine(m, lineAreaWidth, 0, month, origin.y, input.sponsor));
    for (const YearGridMonth& cell : YearGridMonthOrigins(
             origin, m.lineHeight, month, input.monthGap, input.grid.across, input.grid.down)) {
        PlaceMonth(m, cell.month, input.year, month.width, month.height, month, cell.origin);
    }
    const int phoneY = YearGridPhoneLineY(origin, m.lineHeight, month, input.grid.down);
    m_map.SetPhoneLine(PlaceLine(m, lineAreaWidth, 0, month, phoneY, input.phone));
}

PageRect CPageLayout::PlaceLine(const Measures& m, int areaWidth, int areaHeight, PageSize block,
                                int yOffset, const QString& text) {
    const CentredLine line = PlaceCentredLine(areaWidth, areaHeight, block, m.lineHeight, 0,
                                              yOffset, m.heading.horizontalAdvance(text));
    PlacedText placed;
    placed.x = line.centreX;
    placed.y = line.top;
    placed.text = text;
    placed.face = PageFace::Heading;
    m_texts.push_back(placed);
    return line.rect;
}

void CPageLayout::PlaceMonth(const Measures& m, int month, int year, int areaWidth, int areaHeight,
                             PageSize block, PagePoint offset) {
    MonthTextBlock monthText{};
    BuildMonthText(month, year, monthText, m.week);
    const int width = MonthTextWidth(m.week);
    const MonthGridPlace place = PlaceMonthGrid(areaWidth, areaHeight, block, offset.x, offset.y);
    PlacedText title;
    title.x = place.centreX;
    title.y = place.top;
    title.text = QString::fromLatin1(MonthTextLine(monthText, 0), width);
    m_texts.push_back(title);

    for (int row = 1; row < kMonthTextRows; ++row) {
        const int rowTop = place.top + row * m.lineHeight;
        const QString line = QString::fromLatin1(MonthTextLine(monthText, row), width);
        for (int column = 0; column < m.cellCount; ++column) {
            const int right = CellRightEdge(place, offset.x, column, m.cellWidth);
            // The week-number cell reads as no day, so it gets no hit rectangle.
            const int day = ReadDayCell(monthText, row, column, m.week);
            PlaceDayCell(m, month, year, day, right, rowTop,
                         line.mid(column * kCharsPerCell, kCharsPerCell));
        }
    }
}

void CPageLayout::PlaceDayCell(const Measures& m, int month, int year, int day, int right, int top,
                               const QString& cellText) {
    PlacedText cell;
    cell.x = right;
    cell.y = top;
    cell.text = cellText;
    cell.align = TextAlign::Right;
    const int dayOfYear = day != 0 ? DayOfYear(month, day, year) : 0;
    if (dayOfYear > 0 && dayOfYear < kDayCellCount) {
        m_map.SetDayCell(dayOfYear, DayCellRect(right, top, m.cellWidth, m.lineHeight));
        cell.dayOfYear = dayOfYear;
        cell.day = day;
        cell.month = month;
        cell.year = year;
    }
    m_texts.push_back(cell);
}
