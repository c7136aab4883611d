// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>

#include "colour/ColourRef.h"

// The tip over a marked day: black text on the day's diary colour, 4-pixel
// margins, wrapped at 128 pixels, shown until the pointer leaves the day or
// for about half a minute.
class CDayTip : public QLabel {
    Q_OBJECT
public:
    explicit CDayTip(QWidget* owner);

    void ShowTip(const QString& text, ColourRef background, QPoint globalPos);
    void HideTip();

private:
    QTimer m_autoHide;
};
