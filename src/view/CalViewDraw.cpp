// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

#include "view/CalView.h"
#include "view/ViewMarquee.h"

void CCalView::paintEvent(QPaintEvent* event) {
    const QRect clip = event->rect();
    const CViewMarquee* marquee = m_timed.Marquee();
    // A marquee tick repaints only the band; the page under it stays as it is.
    if (marquee && marquee->ExposesOnlyBand(clip)) {
        QPainter target(viewport());
        marquee->Paint(target);
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
        // In the page's text colour, which the user keeps readable on the page.
        if (hasFocus())
            m_cursor.DrawFrame(
                painter, QColor(RedOf(m_settings.colours.text), GreenOf(m_settings.colours.text),
                                BlueOf(m_settings.colours.text)));
    }
    QPainter target(viewport());
    target.drawPixmap(clip.topLeft(), buffer);
    if (marquee)
        marquee->Paint(target);
}

void CCalView::OnDraw(QPainter& painter, const QRect& clip) const {
    m_page.Draw(painter, clip, m_page.Layout(), m_fonts, m_settings.showPicture);
}
