// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "colour/ColourRef.h"

// How the tip over a marked day looks: black text on the colour that marks
// the day in the diary, with margins, a narrow wrapping width and a long life.
inline constexpr int kTipMargin = 4;
inline constexpr int kTipMaxWidth = 128;
inline constexpr int kTipAutoHideMs = 32767;
inline constexpr int kTipMaxCharacters = 79;
inline constexpr ColourRef kTipTextColour = Rgb(0, 0, 0);
inline constexpr ColourRef kPaleYellow = Rgb(255, 255, 128);

// Mark 1 (an entry) takes the diary entry text colour, marks 2 and 3 (a
// holiday) the holiday text colour; black, which would hide the black text,
// becomes pale yellow.
ColourRef TipBackground(int mark, ColourRef diaryEntryText, ColourRef holidayText);

// The text cut to its first 79 characters, never in the middle of a character.
QString CutTipText(const QString& text);
