// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/OptionSettings.h"

#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"

namespace {
bool PlainBool(const CSettingsHelper& settings, Key key) {
    return CSettingsHelper::TextToBool(settings.ReadPlain(key));
}

int PlainInt(const CSettingsHelper& settings, Key key) {
    return CSettingsHelper::TextToInt(settings.ReadPlain(key));
}

QString PlainText(const CSettingsHelper& settings, Key key) {
    return settings.ReadPlain(key);
}

void ReloadMarqueeMirror(const CSettingsHelper& settings, MarqueeKeyValues& marquee) {
    marquee.slide = PlainInt(settings, Key::MarqueeSlide);
    marquee.secs = PlainInt(settings, Key::MarqueeSecs);
    marquee.checkFileFreq = PlainInt(settings, Key::MarqueeCheckFileFreq);
    marquee.checkFileUnits = PlainText(settings, Key::MarqueeCheckFileUnits);
    marquee.checkInternetFreq = PlainInt(settings, Key::MarqueeCheckInternetFreq);
    marquee.checkInternetUnits = PlainText(settings, Key::MarqueeCheckInternetUnits);
    marquee.useFile = PlainBool(settings, Key::UseFile);
    marquee.fileName = PlainText(settings, Key::MarqueeFileName);
    marquee.message = PlainText(settings, Key::MarqueeMess);
    marquee.on = PlainBool(settings, Key::MarqueeOn);
    // An empty colour text means the desktop's colours, the table's default.
    marquee.textColour = settings.GetColour(Key::MarqueeTextColor, false);
    marquee.backgroundColour = settings.GetColour(Key::MarqueeBackgroundColor, false);
}
}  // namespace

void ReloadOptionSettings(const CSettingsHelper& settings, ViewSettings& view) {
    view.showPicture = PlainBool(settings, Key::ShowPicture);
    view.stretchHeight = PlainBool(settings, Key::StretchHeight);
    view.stretchWidth = PlainBool(settings, Key::StretchWidth);
    ReloadMarqueeMirror(settings, view.marquee);
    view.yearView = PlainBool(settings, Key::YearView);
    view.grid =
        CorrectYearGrid(PlainInt(settings, Key::MonthsAcross), PlainInt(settings, Key::MonthsDown));
    LoadWeekSettings(settings, view);
}
