// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <functional>
#include <memory>

#include "marquee/InternetMessage.h"
#include "marquee/Marquee.h"
#include "marquee/MarqueeCanvas.h"
#include "marquee/MarqueeTimer.h"
#include "platform/Http.h"

class CSettingsHelper;
class IPrompts;
class IClock;

class QEvent;
class QPainter;
class QWidget;

// The view's marquee band: the one repeating timer, the band painted into an
// off-screen buffer the size of the band at each tick, and the internet
// message hooks. The view forwards its events here; all decisions are the
// core's (CMarquee, CInternetMessage).
class CViewMarquee : public QObject, private IMarqueeTimer, private IMarqueeCanvas {
    Q_OBJECT
public:
    struct Hooks {
        // The page's full size as set for scrolling.
        std::function<QSize()> pageSize;
        // The alarm check run at each re-read of the marquee file.
        std::function<void()> alarmCheck;
        // Whether a client point lies on the sponsor or the phone line.
        std::function<bool(const QPoint&)> isPromotionLine;
    };

    // `viewport` is the widget the band is drawn on; everything passed in
    // must outlive this object. Without `http` the band asks through Qt's
    // network layer (only when a server is built in).
    CViewMarquee(QWidget& viewport, const CSettingsHelper& settings, IPrompts& prompts,
                 const IClock& clock, IHttp* http, PromotionServer server, Hooks hooks);

    // Runs the due check when `view` gains the focus, and the update on a
    // left-button release over the sponsor or phone line of the viewport.
    // (Qt drops the filter by itself when this object goes.)
    void WatchFocusAndClicks(QWidget& view);

    void SetFont(const QFont& marqueeFont);

    // View construction: the band's first text (and the internet update when
    // UseInternet is on).
    void LoadInitialText();
    // Window creation: the tick limit and the timer.
    void Start();
    // Show Marquee; returns the new state for the check mark.
    bool Toggle();
    // After the Options dialog.
    void Reload();
    // The view gained the focus (today already refreshed): the due check.
    void OnFocusGained();
    // A click on the sponsor or the phone line: the update, whatever UseInternet says.
    void OnSponsorOrPhoneClicked();

    // Copies the band buffer onto `painter` (the viewport's) when the band is on.
    void Paint(QPainter& painter) const;
    // True when `exposed` lies within the band, so the page need not be drawn.
    bool ExposesOnlyBand(const QRect& exposed) const;
    QRect BandRect() const;

    CMarquee& Marquee() { return m_marquee; }
    CInternetMessage& Internet() { return m_internet; }
    const QTimer& Timer() const { return m_timer; }

private:
    void Start(int intervalMilliseconds) override;
    void Stop() override;
    MarqueeMetrics Measure() const override;
    int TextWidth(const QString& text) const override;
    void PaintBand(const MarqueeFrame& frame) override;

    void OnTick();
    void QueueAlarmCheck();
    void RunAlarmCheck();
    // The top-level handler of the band's events: reports and goes on.
    void Guarded(const std::function<void()>& action);
    bool eventFilter(QObject* watched, QEvent* event) override;

    QWidget& m_viewport;
    QPointer<QWidget> m_focusView;
    IPrompts& m_prompts;
    Hooks m_hooks;
    std::unique_ptr<IHttp> m_ownHttp;
    QFont m_font;
    CInternetMessage m_internet;
    CMarquee m_marquee;
    QTimer m_timer;
    QPixmap m_buffer;
    QRect m_bufferRect;
    bool m_alarmCheckQueued = false;
};
