// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewPage.h"

#include <QAbstractScrollArea>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "calendar/CalendarDates.h"
#include "settings/SettingsHelper.h"
#include "view/PagePainter.h"

namespace {
const QString kPicturePath = QStringLiteral(":/images/picture.png");
}  // namespace

CViewPage::CViewPage(QAbstractScrollArea& area, const CCalendarDates& dates,
                     const ViewSettings& settings, const PageFonts& fonts, const CMonthIndex& index)
    : m_area(area), m_dates(dates), m_settings(settings), m_fonts(fonts), m_index(index) {}

void CViewPage::UpdateScrollSizes() {
    const int lines = m_settings.yearView ? kYearMonthLines : kMonthPageLines;
    const CalendarMeasure measure =
        MeasurePageText(m_fonts.regular, m_area.viewport(), lines, Week());
    m_monthGap = measure.cellWidth;
    m_scrollSizes = ComputeScrollSizes(measure, m_settings.yearView, m_settings.grid.across,
                                       m_settings.grid.down);
    FitClientArea();
}

PageSize CViewPage::NaturalSize(const QFont& font) const {
    const int lines = m_settings.yearView ? kYearMonthLines : kMonthPageLines;
    const CalendarMeasure measure = MeasurePageText(font, m_area.viewport(), lines, Week());
    return ComputeScrollSizes(measure, m_settings.yearView, m_settings.grid.across,
                              m_settings.grid.down)
        .total;
}

void CViewPage::FitClientArea() {
    ApplyScrollRanges();
    Relayout();
}

void CViewPage::ApplyScrollRanges() {
    const QSize client = m_area.viewport()->size();
    QScrollBar* across = m_area.horizontalScrollBar();
    QScrollBar* down = m_area.verticalScrollBar();
    across->setRange(0, std::max(0, m_scrollSizes.total.width - client.width()));
    across->setPageStep(std::max(1, m_scrollSizes.page.width));
    across->setSingleStep(std::max(1, m_scrollSizes.line.width));
    down->setRange(0, std::max(0, m_scrollSizes.total.height - client.height()));
    down->setPageStep(std::max(1, m_scrollSizes.page.height));
    down->setSingleStep(std::max(1, m_scrollSizes.line.height));
}

void CViewPage::Relayout() {
    m_layout.Build(LayoutInput(m_area.viewport(), m_fonts, m_monthGap));
}

void CViewPage::LoadPictureIfShown() {
    if (!m_settings.showPicture || !m_picture.isNull())
        return;
    Q_INIT_RESOURCE(plenda);
    m_picture.load(kPicturePath);
}

PageLayoutInput CViewPage::LayoutInput(const QPaintDevice* device, const PageFonts& fonts,
                                       int monthGap) const {
    PageLayoutInput input;
    input.device = device;
    input.fonts = fonts;
    input.month = m_dates.ShownMonth();
    input.year = m_dates.ShownYear();
    input.yearView = m_settings.yearView;
    input.grid = m_settings.grid;
    input.week = Week();
    input.monthGap = monthGap;
    input.client = ClientSize();
    input.sponsor = CSettingsHelper::GetBuiltIn(QStringLiteral("sponsor"));
    input.phone = CSettingsHelper::GetBuiltIn(QStringLiteral("phone"));
    return input;
}

void CViewPage::Draw(QPainter& painter, const QRect& clip, const CPageLayout& layout,
                     const PageFonts& fonts, bool withPicture) const {
    // Over the picture the texts have no boxes of their own.
    CPagePainter pagePainter(painter, m_settings.colours, fonts, !withPicture);
    pagePainter.FillBackground(clip);
    if (withPicture && !m_picture.isNull()) {
        const PageSize client = ClientSize();
        pagePainter.DrawPicture(
            m_picture,
            PictureRect(client.width, client.height, {m_picture.width(), m_picture.height()},
                        layout.Block(), m_settings.stretchWidth, m_settings.stretchHeight));
    }
    pagePainter.DrawTexts(layout, m_index, m_dates);
}

WeekLayout CViewPage::Week() const {
    return {FirstWeekday(m_settings.weekStart, QLocale::system()), m_settings.weekNumbers,
            CCalendarNames::ForInterface(QLocale::system())};
}

PageSize CViewPage::ClientSize() const {
    return {m_area.viewport()->width(), m_area.viewport()->height()};
}

PagePoint CViewPage::ToDocument(const QPoint& client) const {
    return {client.x() + m_area.horizontalScrollBar()->value(),
            client.y() + m_area.verticalScrollBar()->value()};
}

int CViewPage::DayAt(const QPoint& client) const {
    return m_layout.Map().DayAt(ToDocument(client));
}

bool CViewPage::IsOnPromotionLine(const QPoint& client) const {
    return m_layout.Map().IsOnPromotionLine(ToDocument(client));
}
