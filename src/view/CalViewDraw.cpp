#include <QFontMetrics>
#include <QMainWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

#include "calendar/DateLib.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "view/CalView.h"

#include "view/ViewMarquee.h"
#include "view/core/DayStyle.h"

// What one paint draws with: the painter, the measures taken for it and the
// background mode every text of the paint uses.
struct CCalView::DrawContext {
    QPainter& painter;
    int lineHeight = 0;
    int cellWidth = 0;
    int cellCount = 0;
    bool opaque = true;
};

namespace {
enum class Align { Centre, Right };

QColor ToQColor(ColourRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// Draws `text` with its top at y, centred on x or ending at x. In opaque mode
// the text's box is filled with the background colour first.
int DrawTextAt(QPainter& painter, bool opaque, int x, int y, const QString& text, Align align,
               ColourRef textColour, ColourRef background) {
    const QFontMetrics metrics(painter.font(), painter.device());
    const int width = metrics.horizontalAdvance(text);
    const int left = align == Align::Centre ? x - width / 2 : x - width;
    if (opaque)
        painter.fillRect(QRect(left, y, width, metrics.height()), ToQColor(background));
    painter.setPen(ToQColor(textColour));
    painter.drawText(QPoint(left, y + metrics.ascent()), text);
    return width;
}

const QString kPicturePath = QStringLiteral(":/images/picture.png");
}  // namespace

void CCalView::paintEvent(QPaintEvent* event) {
    const QRect clip = event->rect();
    // A marquee tick repaints only the band; the page under it stays as it is.
    if (m_marquee && m_marquee->ExposesOnlyBand(clip)) {
        QPainter target(viewport());
        m_marquee->Paint(target);
        return;
    }
    // Painting goes into an off-screen buffer of the clip box, copied in one block.
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(clip.size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter painter(&buffer);
        const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
        painter.translate(-clip.topLeft() - scroll);
        OnDraw(painter, clip.translated(scroll));
    }
    QPainter target(viewport());
    target.drawPixmap(clip.topLeft(), buffer);
    if (m_marquee)
        m_marquee->Paint(target);
}

CalendarMeasure CCalView::MeasureCalendarText(const QPaintDevice* device, int lines) const {
    const QFontMetrics metrics(m_regularFont, device);
    return ::MeasureCalendarText(
        QString::fromLatin1(kWeekdayHeader), lines, kCharsPerCell, metrics.lineSpacing(),
        [&metrics](const QString& piece) { return metrics.horizontalAdvance(piece); });
}

void CCalView::OnDraw(QPainter& painter, const QRect& clip) {
    const ViewColours& colours = m_settings.colours;
    painter.fillRect(clip, ToQColor(colours.background));

    const int clientWidth = viewport()->width();
    const int clientHeight = viewport()->height();
    const CalendarMeasure month = MeasureCalendarText(
        painter.device(), m_settings.yearView ? kYearMonthLines : kMonthPageLines);
    const PageSize block = PageBlockSize(month, m_settings.yearView, m_settings.grid.across,
                                         m_settings.grid.down, m_monthGap);

    DrawContext dc{painter};
    dc.opaque = true;
    if (m_settings.showPicture && !m_printing) {
        DrawPicture(painter, clientWidth, clientHeight, block);
        dc.opaque = false;
    }
    const QString sponsor = CSettingsHelper::GetBuiltIn(QStringLiteral("sponsor"));
    const QString phone = CSettingsHelper::GetBuiltIn(QStringLiteral("phone"));
    UpdateFrameTitle();

    painter.save();
    painter.setFont(m_regularFont);
    dc.lineHeight = QFontMetrics(m_regularFont, painter.device()).lineSpacing();
    dc.cellWidth = month.cellWidth;
    dc.cellCount = month.cellCount;
    const PagePoint origin = PageOrigin(clientWidth, clientHeight, block);

    if (!m_settings.yearView) {
        painter.setFont(m_headingFont);
        m_sponsorRect = DrawCentredLine(dc, clientWidth, clientHeight, block, 0, 0, sponsor);
        painter.setFont(m_regularFont);
        m_index.SetIndexYear(m_dates.ShownYear());
        m_dayCells.fill(PageRect{});
        DrawMonthGrid(dc, m_dates.ShownMonth(), m_dates.ShownYear(), clientWidth, clientHeight,
                      block, 0, dc.lineHeight);
        painter.setFont(m_headingFont);
        m_phoneRect = DrawCentredLine(dc, clientWidth, clientHeight, block, 0,
                                      (kMonthPageLines - 1) * dc.lineHeight, phone);
    } else {
        if (m_index.IndexYear() != m_dates.ShownYear() || !m_index.IsReady()) {
            m_index.SetIndexYear(m_dates.ShownYear());
            m_dayCells.fill(PageRect{});
        }
        DrawYearGrid(dc, block, origin, sponsor, phone);
    }
    painter.restore();
}

PageRect CCalView::DrawCentredLine(DrawContext& dc, int areaWidth, int areaHeight, PageSize block,
                                   int xOffset, int yOffset, const QString& text) {
    const QFontMetrics metrics(dc.painter.font(), dc.painter.device());
    const CentredLine line = PlaceCentredLine(areaWidth, areaHeight, block, dc.lineHeight, xOffset,
                                              yOffset, metrics.horizontalAdvance(text));
    DrawTextAt(dc.painter, dc.opaque, line.centreX, line.top, text, Align::Centre,
               m_settings.colours.text, m_settings.colours.background);
    return line.rect;
}

int CCalView::DrawMonthGrid(DrawContext& dc, int month, int year, int areaWidth, int areaHeight,
                            PageSize block, int xOffset, int yOffset) {
    BuildMonthText(month, year, m_monthText);
    const MonthGridPlace place = PlaceMonthGrid(areaWidth, areaHeight, block, xOffset, yOffset);
    DrawTextAt(dc.painter, dc.opaque, place.centreX, place.top,
               QString::fromLatin1(MonthTextLine(m_monthText, 0), kMonthTextWidth), Align::Centre,
               m_settings.colours.text, m_settings.colours.background);

    int rowTop = place.top;
    for (int row = 1; row < kMonthTextRows; ++row) {
        rowTop = place.top + row * dc.lineHeight;
        const QString line = QString::fromLatin1(MonthTextLine(m_monthText, row), kMonthTextWidth);
        for (int column = 0; column < dc.cellCount; ++column) {
            const int right = CellRightEdge(place, xOffset, column, dc.cellWidth);
            const int day = row == 1 ? 0 : ReadDayCell(m_monthText, row, column);
            DrawDayCell(dc, month, year, day, right, rowTop,
                        line.mid(column * kCharsPerCell, kCharsPerCell));
        }
    }
    return rowTop;
}

void CCalView::DrawDayCell(DrawContext& dc, int month, int year, int day, int right, int top,
                           const QString& cellText) {
    const ViewColours& colours = m_settings.colours;
    DayStyle style{colours.text, colours.background, false};
    if (day != 0) {
        const int dayOfYear = DayOfYear(month, day, year);
        if (dayOfYear > 0 && dayOfYear < kDayCellCount) {
            m_dayCells[dayOfYear] = DayCellRect(right, top, dc.cellWidth, dc.lineHeight);
            const bool isToday = day == m_dates.TodayDay() && month == m_dates.TodayMonth() &&
                                 year == m_dates.TodayYear();
            style = ChooseDayStyle(colours, isToday, m_index.Mark(dayOfYear));
        }
    }
    if (style.bold)
        dc.painter.setFont(m_boldFont);
    DrawTextAt(dc.painter, dc.opaque, right, top, cellText, Align::Right, style.text,
               style.background);
    if (style.bold)
        dc.painter.setFont(m_regularFont);
}

int CCalView::DrawYearGrid(DrawContext& dc, PageSize block, PagePoint origin,
                           const QString& sponsor, const QString& phone) {
    const int clientWidth = viewport()->width();
    const int lineAreaWidth = clientWidth > block.width ? clientWidth : block.width;
    const CalendarMeasure measure = MeasureCalendarText(dc.painter.device(), kYearMonthLines);
    const PageSize month = measure.block;

    dc.painter.setFont(m_headingFont);
    m_sponsorRect = DrawCentredLine(dc, lineAreaWidth, 0, month, 0, origin.y, sponsor);
    dc.painter.setFont(m_regularFont);

    for (const YearGridMonth& cell :
         YearGridMonthOrigins(origin, dc.lineHeight, month, m_monthGap, m_settings.grid.across,
                              m_settings.grid.down)) {
        DrawMonthGrid(dc, cell.month, m_dates.ShownYear(), month.width, month.height, month,
                      cell.origin.x, cell.origin.y);
    }
    const int phoneY = YearGridPhoneLineY(origin, dc.lineHeight, month, m_settings.grid.down);
    dc.painter.setFont(m_headingFont);
    m_phoneRect = DrawCentredLine(dc, lineAreaWidth, 0, month, 0, phoneY, phone);
    dc.painter.setFont(m_regularFont);
    return phoneY;
}

void CCalView::DrawPicture(QPainter& painter, int clientWidth, int clientHeight, PageSize block) {
    if (m_picture.isNull()) {
        Q_INIT_RESOURCE(plenda);
        m_picture.load(kPicturePath);
    }
    // Without the picture the page is drawn on its background colour alone.
    if (m_picture.isNull())
        return;
    const PageRect rect =
        PictureRect(clientWidth, clientHeight, {m_picture.width(), m_picture.height()}, block,
                    m_settings.stretchWidth, m_settings.stretchHeight);
    painter.drawImage(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                      m_picture);
}

void CCalView::UpdateFrameTitle() {
    QMainWindow* frame = Frame();
    if (!frame)
        return;
    const QString title =
        QStringLiteral("Cal ") + m_settingsHelper.ReadPlain(QString::fromLatin1(Key::DiaryName));
    if (frame->windowTitle() != title)
        frame->setWindowTitle(title);
}
