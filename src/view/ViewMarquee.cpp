// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewMarquee.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <exception>

#include "diary/DiaryError.h"
#include "marquee/MarqueeStartup.h"
#include "platform/Prompts.h"
#include "platform/QtHttp.h"

namespace {

QColor ToQColor(ColourRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

}  // namespace

CViewMarquee::CViewMarquee(QWidget& viewport, const CSettingsHelper& settings, IPrompts& prompts,
                           const IClock& clock, IHttp* http, PromotionServer server, Hooks hooks)
    : m_viewport(viewport),
      m_prompts(prompts),
      m_hooks(std::move(hooks)),
      m_ownHttp(http ? nullptr : std::make_unique<CQtHttp>()),
      m_font(viewport.font()),
      m_internet(settings, http ? *http : *m_ownHttp, prompts, clock, std::move(server)),
      m_marquee(settings, prompts, *this, *this) {
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &CViewMarquee::OnTick);
    m_marquee.SetAlarmCheck([this] { QueueAlarmCheck(); });
}

void CViewMarquee::WatchFocusAndClicks(QWidget& view) {
    m_focusView = &view;
    view.installEventFilter(this);
    m_viewport.installEventFilter(this);
}

bool CViewMarquee::eventFilter(QObject* watched, QEvent* event) {
    // Queued, so the view's own handler (refreshing today, repainting) runs
    // first and a box the update shows does not open inside an event handler.
    if (watched == m_focusView && event->type() == QEvent::FocusIn) {
        QMetaObject::invokeMethod(this, &CViewMarquee::OnFocusGained, Qt::QueuedConnection);
    } else if (watched == &m_viewport && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint client = mouse->position().toPoint();
        if (mouse->button() == Qt::LeftButton && m_hooks.isPromotionLine &&
            m_hooks.isPromotionLine(client))
            QMetaObject::invokeMethod(this, &CViewMarquee::OnSponsorOrPhoneClicked,
                                      Qt::QueuedConnection);
    }
    return false;
}

void CViewMarquee::QueueAlarmCheck() {
    if (!m_hooks.alarmCheck || m_alarmCheckQueued)
        return;
    m_alarmCheckQueued = true;
    // Run outside the timer's own slot: Qt does not deliver a timer again
    // while its slot runs, and the band must keep moving while the alarm's
    // message box is open.
    QMetaObject::invokeMethod(this, &CViewMarquee::RunAlarmCheck, Qt::QueuedConnection);
}

void CViewMarquee::RunAlarmCheck() {
    // Stays set while the check (and its boxes) run, so a re-read meanwhile
    // does not start a second check.
    Guarded(m_hooks.alarmCheck);
    m_alarmCheckQueued = false;
}

void CViewMarquee::Guarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const CPlendaError& error) {
        m_prompts.ShowMessage(error.Description(), tr("Calendar"));
    } catch (const std::exception& error) {
        m_prompts.ShowMessage(QString::fromUtf8(error.what()), tr("Calendar"));
    }
}

void CViewMarquee::LoadInitialText() {
    LoadInitialMarqueeText(m_marquee, m_internet, m_prompts);
}

void CViewMarquee::Start() {
    m_marquee.Start();
}

bool CViewMarquee::Toggle() {
    const bool on = m_marquee.Toggle();
    m_viewport.update();
    return on;
}

void CViewMarquee::Reload() {
    m_marquee.Reload();
    m_viewport.update();
}

void CViewMarquee::OnFocusGained() {
    Guarded([this] { RunInternetUpdate(m_marquee, m_internet, true); });
}

void CViewMarquee::OnSponsorOrPhoneClicked() {
    Guarded([this] { RunInternetUpdate(m_marquee, m_internet, false); });
}

void CViewMarquee::OnTick() {
    Guarded([this] { m_marquee.Tick(); });
}

void CViewMarquee::Start(int intervalMilliseconds) {
    m_timer.start(intervalMilliseconds);
}

void CViewMarquee::Stop() {
    m_timer.stop();
}

void CViewMarquee::SetFont(const QFont& marqueeFont) {
    m_font = marqueeFont;
    m_marquee.ForgetTextWidth();
}

int CViewMarquee::TextWidth(const QString& text) const {
    return QFontMetrics(m_font).horizontalAdvance(text);
}

MarqueeMetrics CViewMarquee::Measure() const {
    const QFontMetrics metrics(m_font);
    const QSize page = m_hooks.pageSize ? m_hooks.pageSize() : QSize();
    MarqueeMetrics result;
    result.textHeight = metrics.height();
    result.fontLineHeight = metrics.height() + metrics.leading();
    result.clientWidth = m_viewport.width();
    result.clientHeight = m_viewport.height();
    result.pageWidth = page.width();
    result.pageHeight = page.height();
    return result;
}

void CViewMarquee::PaintBand(const MarqueeFrame& frame) {
    const QRect previous = m_bufferRect;
    m_bufferRect = frame.band;
    if (frame.band.isEmpty()) {
        m_buffer = QPixmap();
    } else {
        // At the screen's pixel ratio, as the page's own buffer is.
        const qreal ratio = m_viewport.devicePixelRatioF();
        m_buffer = QPixmap(frame.band.size() * ratio);
        m_buffer.setDevicePixelRatio(ratio);
        m_buffer.fill(m_viewport.palette().color(m_viewport.backgroundRole()));
        QPainter painter(&m_buffer);
        // Band-relative: the buffer's top is the band's top.
        painter.translate(-frame.band.topLeft());
        painter.fillRect(frame.opaque, ToQColor(m_marquee.Settings().backgroundColour));
        painter.setClipRect(frame.opaque.intersected(frame.band));
        painter.setFont(m_font);
        painter.setPen(ToQColor(m_marquee.Settings().textColour));
        painter.drawText(frame.textX, frame.textY + QFontMetrics(m_font).ascent(), frame.text);
    }
    // Only the band is repainted; a band that moved also clears where it was.
    m_viewport.update(frame.band);
    if (previous != frame.band && !previous.isEmpty())
        m_viewport.update(previous);
}

void CViewMarquee::Paint(QPainter& painter) const {
    if (!m_marquee.IsOn() || m_buffer.isNull())
        return;
    painter.drawPixmap(m_bufferRect.topLeft(), m_buffer);
}

bool CViewMarquee::ExposesOnlyBand(const QRect& exposed) const {
    return m_marquee.IsOn() && !m_bufferRect.isEmpty() && m_bufferRect.contains(exposed);
}

QRect CViewMarquee::BandRect() const {
    return m_bufferRect;
}
