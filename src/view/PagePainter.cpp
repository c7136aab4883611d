// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PagePainter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "calendar/CalendarDates.h"
#include "diary/MonthIndex.h"

namespace {
QColor ToQColor(ColourRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}
}  // namespace

CPagePainter::CPagePainter(QPainter& painter, const ViewColours& colours, const PageFonts& fonts,
                           bool opaque)
    : m_painter(painter), m_colours(colours), m_fonts(fonts), m_opaque(opaque) {}

void CPagePainter::FillBackground(const QRect& area) {
    m_painter.fillRect(area, ToQColor(m_colours.background));
}

void CPagePainter::DrawPicture(const QImage& picture, const PageRect& where) {
    m_painter.drawImage(
        QRect(where.left, where.top, where.right - where.left, where.bottom - where.top), picture);
}

void CPagePainter::DrawTexts(const CPageLayout& layout, const CMonthIndex& index,
                             const CCalendarDates& dates) {
    m_painter.save();
    for (const PlacedText& text : layout.Texts()) DrawText(text, StyleOf(text, index, dates));
    m_painter.restore();
}

DayStyle CPagePainter::StyleOf(const PlacedText& text, const CMonthIndex& index,
                               const CCalendarDates& dates) const {
    if (text.dayOfYear == 0)
        return {m_colours.text, m_colours.background, false};
    const bool isToday = text.day == dates.TodayDay() && text.month == dates.TodayMonth() &&
                         text.year == dates.TodayYear();
    return ChooseDayStyle(m_colours, isToday, index.Mark(text.dayOfYear));
}

void CPagePainter::DrawText(const PlacedText& text, const DayStyle& style) {
    const QFont& font = text.face == PageFace::Heading ? m_fonts.heading
                        : style.bold                   ? m_fonts.bold
                                                       : m_fonts.regular;
    m_painter.setFont(font);
    const QFontMetrics metrics(font, m_painter.device());
    const int width = metrics.horizontalAdvance(text.text);
    const int left = text.align == TextAlign::Centre ? text.x - width / 2 : text.x - width;
    if (m_opaque)
        m_painter.fillRect(QRect(left, text.y, width, metrics.height()),
                           ToQColor(style.background));
    m_painter.setPen(ToQColor(style.text));
    m_painter.drawText(QPoint(left, text.y + metrics.ascent()), text.text);
}
