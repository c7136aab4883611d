// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "settings/WeekStart.h"
#include "view/core/DayStyle.h"

class CSettingsHelper;

// The face name field holds 31 characters; a longer stored name is cut.
inline constexpr int kMaxFontFaceLength = 31;
inline constexpr int kDefaultMonthsAcross = 3;
inline constexpr int kDefaultMonthsDown = 4;
inline constexpr int kMaxGridProduct = 12;

struct FontSpec {
    QString face;
    int height = 0;  // logical units; negative: character height
};

struct YearGridShape {
    int across = kDefaultMonthsAcross;
    int down = kDefaultMonthsDown;
};

// The marquee and internet keys as stored; the band and the update that use
// them live with the marquee.
struct MarqueeKeyValues {
    bool on = false;
    int slide = 0;
    int secs = 0;
    int checkFileFreq = 0;
    QString checkFileUnits;
    bool useFile = false;
    QString fileName;
    QString message;
    int checkInternetFreq = 0;
    QString checkInternetUnits;
    QString internetCheckDate;
    bool useInternet = false;
    ColourRef textColour = 0;
    ColourRef backgroundColour = 0;
};

// Every setting the view holds, decoded.
struct ViewSettings {
    ViewColours colours;
    FontSpec font;
    bool onTop = false;
    bool noMenu = true;
    bool yearView = false;
    YearGridShape grid;
    MarqueeKeyValues marquee;
    bool showPicture = false;
    bool stretchHeight = true;
    bool stretchWidth = true;
    WeekStartChoice weekStart = WeekStartChoice::Sunday;
    bool weekNumbers = false;
    bool fitPage = false;
};

// Each count at least 1, and at most 12 months in all: a count below 1 takes
// its default, a product above 12 falls back to 3 by 4.
YearGridShape CorrectYearGrid(int across, int down);

// Reads every view setting in the order the view first reads them, writing
// each missing default back so that after the first start every key exists.
ViewSettings LoadViewSettings(const CSettingsHelper& settings);
// The page and text colours, then the three pairs whose defaults depend on them.
ViewColours LoadViewColours(const CSettingsHelper& settings);
// The today and diary-entry pairs, read again after the text colour changes.
void LoadColourPairs(const CSettingsHelper& settings, ViewColours& colours);
// The week start and the week-number switch, read plainly: a settings file
// without them keeps its page and gains no keys.
void LoadWeekSettings(const CSettingsHelper& settings, ViewSettings& view);
FontSpec LoadFontSpec(const CSettingsHelper& settings);
YearGridShape LoadYearGrid(const CSettingsHelper& settings);
