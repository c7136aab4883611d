// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/DayTip.h"

#include <QFontMetrics>

#include "view/core/TipText.h"

namespace {
QColor ToQColor(ColourRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}
}  // namespace

CDayTip::CDayTip(QWidget* owner) : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("dayTip"));
    setMargin(kTipMargin);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_autoHide.setSingleShot(true);
    m_autoHide.setInterval(kTipAutoHideMs);
    connect(&m_autoHide, &QTimer::timeout, this, &CDayTip::HideTip);
}

void CDayTip::ShowTip(const QString& text, ColourRef background, QPoint globalPos) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(background));
    colours.setColor(QPalette::WindowText, ToQColor(kTipTextColour));
    setPalette(colours);
    setText(text);

    // As wide as the longest line needs, but no wider than the wrapping width.
    int textWidth = 0;
    const QFontMetrics metrics(font());
    for (const QString& line : text.split(QLatin1Char('\n')))
        textWidth = qMax(textWidth, metrics.horizontalAdvance(line));
    const int width = qMin(textWidth + 1, kTipMaxWidth) + 2 * kTipMargin;
    setFixedWidth(width);
    setFixedHeight(heightForWidth(width));
    move(globalPos);
    show();
    m_autoHide.start();
}

void CDayTip::HideTip() {
    m_autoHide.stop();
    hide();
}
