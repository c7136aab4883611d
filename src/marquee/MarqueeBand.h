// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

// What one tick needs to know about the window, measured by the widget with
// the marquee font.
struct MarqueeMetrics {
    int textWidth = 0;  // of the shown text, before the tick changes it
    int textHeight = 0;
    int fontLineHeight = 0;  // the font's height plus its external leading
    int clientWidth = 0;
    int clientHeight = 0;
    int pageWidth = 0;  // the page's full size as set for scrolling
    int pageHeight = 0;
};

// The band as one tick leaves it, in client pixels: everything the widget
// needs to paint it.
struct MarqueeFrame {
    QRect band;     // the area repainted: client width by one text height
    QRect opaque;   // the area filled with the band colour (wider than the
                    // client when the page is wider)
    int textX = 0;  // left edge of the text
    int textY = 0;  // top of the text (the band's top)
    QString text;
};

// The band's geometry and text cycle as plain numbers: the x position, the
// shown text and the pending text that replaces it at the next wrap-around.
class CMarqueeBand {
public:
    // Moves the text by one tick of `slide` pixels (negative: to the right)
    // and works out where the band lies; `useFile` lets the pending text take
    // over at a wrap-around.
    MarqueeFrame Step(const MarqueeMetrics& metrics, int slide, bool useFile);

    // Clears positions and the band rectangle, as a new view starts.
    void ResetPosition();

    const QString& ShownText() const { return m_shown; }
    const QString& PendingText() const { return m_pending; }
    // Texts longer than kMaxShownChars are cut to that length.
    void SetShownText(const QString& text) { m_shown = Capped(text); }
    void SetPendingText(const QString& text) { m_pending = Capped(text); }
    int X() const { return m_x; }
    void SetX(int x) { m_x = x; }
    int BandTop() const { return m_bandTop; }
    QRect BandRect() const { return m_bandRect; }

    // The top of the band: the last text height of the client area when it is
    // at least two text heights taller than the page, otherwise one text
    // height below the page (possibly out of sight).
    static int BandTopFor(const MarqueeMetrics& metrics);

    // What the band shows of a text: a longer text would take minutes to pass
    // and costs time to measure and draw.
    static constexpr qsizetype kMaxShownChars = 1024;
    static QString Capped(const QString& text);

private:
    void TakeOverPendingText(bool useFile);

    QString m_shown;
    QString m_pending;
    int m_x = 0;
    int m_bandTop = 0;
    QRect m_bandRect;
};
