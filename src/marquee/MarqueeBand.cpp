// SPDX-License-Identifier: GPL-3.0-or-later
#include "marquee/MarqueeBand.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

int ClampToInt(qint64 value) {
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

}  // namespace

int CMarqueeBand::BandTopFor(const MarqueeMetrics& metrics) {
    const qint64 belowPage = static_cast<qint64>(metrics.pageHeight) + metrics.textHeight;
    const qint64 top = std::max<qint64>(metrics.clientHeight, belowPage) - metrics.textHeight;
    return ClampToInt(std::max(top, belowPage));
}

QString CMarqueeBand::Capped(const QString& text) {
    if (text.size() <= kMaxShownChars)
        return text;
    qsizetype length = kMaxShownChars;
    // Never half a surrogate pair.
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

void CMarqueeBand::ResetPosition() {
    m_x = 0;
    m_bandTop = 0;
    m_bandRect = QRect();
}

void CMarqueeBand::TakeOverPendingText(bool useFile) {
    if (useFile && m_shown != m_pending)
        m_shown = m_pending;
}

MarqueeFrame CMarqueeBand::Step(const MarqueeMetrics& metrics, int slide, bool useFile) {
    const int runWidth = std::max(metrics.clientWidth, metrics.pageWidth);
    // Both wrap tests use the width of the text as it was before this tick.
    const int textWidth = metrics.textWidth;
    m_bandTop = BandTopFor(metrics);

    if (m_x > runWidth) {
        m_x = -textWidth;
        TakeOverPendingText(useFile);
    }
    m_x = ClampToInt(static_cast<qint64>(m_x) - slide);
    if (m_x < -textWidth) {
        m_x = runWidth;
        TakeOverPendingText(useFile);
    }

    m_bandRect = QRect(QPoint(0, m_bandTop), QSize(metrics.clientWidth, metrics.textHeight));
    MarqueeFrame frame;
    frame.band = m_bandRect;
    const int opaqueWidth =
        ClampToInt(static_cast<qint64>(metrics.clientWidth) +
                   std::llabs(static_cast<qint64>(metrics.clientWidth) - metrics.pageWidth));
    frame.opaque = QRect(QPoint(0, m_bandTop), QSize(opaqueWidth, metrics.fontLineHeight));
    frame.textX = m_x;
    frame.textY = m_bandTop;
    frame.text = m_shown;
    return frame;
}
