// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMainWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "view/CalView.h"
#include "view/PagePainter.h"
#include "view/ViewMarquee.h"

namespace {
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

void CCalView::OnDraw(QPainter& painter, const QRect& clip) const {
    DrawPage(painter, clip, m_layout, m_fonts, m_settings.showPicture);
}

PageLayoutInput CCalView::LayoutInput(const QPaintDevice* device, const PageFonts& fonts,
                                      int monthGap) const {
    PageLayoutInput input;
    input.device = device;
    input.fonts = fonts;
    input.month = m_dates.ShownMonth();
    input.year = m_dates.ShownYear();
    input.yearView = m_settings.yearView;
    input.grid = m_settings.grid;
    input.monthGap = monthGap;
    input.client = {viewport()->width(), viewport()->height()};
    input.sponsor = CSettingsHelper::GetBuiltIn(QStringLiteral("sponsor"));
    input.phone = CSettingsHelper::GetBuiltIn(QStringLiteral("phone"));
    return input;
}

void CCalView::Relayout() {
    m_layout.Build(LayoutInput(viewport(), m_fonts, m_monthGap));
}

void CCalView::DrawPage(QPainter& painter, const QRect& clip, const CPageLayout& layout,
                        const PageFonts& fonts, bool withPicture) const {
    // Over the picture the texts have no boxes of their own.
    CPagePainter pagePainter(painter, m_settings.colours, fonts, !withPicture);
    pagePainter.FillBackground(clip);
    if (withPicture && !m_picture.isNull()) {
        pagePainter.DrawPicture(m_picture,
                                PictureRect(viewport()->width(), viewport()->height(),
                                            {m_picture.width(), m_picture.height()}, layout.Block(),
                                            m_settings.stretchWidth, m_settings.stretchHeight));
    }
    pagePainter.DrawTexts(layout, m_index, m_dates);
}

void CCalView::LoadPictureIfShown() {
    if (!m_settings.showPicture || !m_picture.isNull())
        return;
    Q_INIT_RESOURCE(plenda);
    m_picture.load(kPicturePath);
}

void CCalView::UpdateFrameTitle() {
    QMainWindow* frame = Frame();
    if (!frame)
        return;
    const QString title = QStringLiteral("Cal ") + m_settingsHelper.ReadPlain(Key::DiaryName);
    if (frame->windowTitle() != title)
        frame->setWindowTitle(title);
}
