// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/TipText.h"

ColourRef TipBackground(int mark, ColourRef diaryEntryText, ColourRef holidayText) {
    const ColourRef background = mark == 1 ? diaryEntryText : holidayText;
    return background == Rgb(0, 0, 0) ? kPaleYellow : background;
}

QString CutTipText(const QString& text) {
    if (text.size() <= kTipMaxCharacters)
        return text;
    qsizetype length = kTipMaxCharacters;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}
