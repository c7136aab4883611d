// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/ViewSettings.h"

#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"

namespace {
QString Text(const CSettingsHelper& settings, Key key) {
    return settings.GetSetting(key);
}
int Int(const CSettingsHelper& settings, Key key) {
    return settings.GetInt(key);
}
bool Bool(const CSettingsHelper& settings, Key key) {
    return settings.GetBool(key);
}
ColourRef Colour(const CSettingsHelper& settings, Key key) {
    return settings.GetColour(key);
}

MarqueeKeyValues LoadMarqueeKeyValues(const CSettingsHelper& settings) {
    MarqueeKeyValues marquee;
    marquee.on = Bool(settings, Key::MarqueeOn);
    marquee.slide = Int(settings, Key::MarqueeSlide);
    marquee.secs = Int(settings, Key::MarqueeSecs);
    marquee.checkFileFreq = Int(settings, Key::MarqueeCheckFileFreq);
    marquee.checkFileUnits = Text(settings, Key::MarqueeCheckFileUnits);
    marquee.useFile = Bool(settings, Key::UseFile);
    // Read whatever `UseFile` says, so that the key exists after the first start.
    marquee.fileName = Text(settings, Key::MarqueeFileName);
    marquee.message = Text(settings, Key::MarqueeMess);
    marquee.checkInternetFreq = Int(settings, Key::MarqueeCheckInternetFreq);
    marquee.checkInternetUnits = Text(settings, Key::MarqueeCheckInternetUnits);
    marquee.internetCheckDate = Text(settings, Key::InternetCheckDate);
    marquee.useInternet = Bool(settings, Key::UseInternet);
    marquee.textColour = Colour(settings, Key::MarqueeTextColor);
    marquee.backgroundColour = Colour(settings, Key::MarqueeBackgroundColor);
    return marquee;
}
}  // namespace

YearGridShape CorrectYearGrid(int across, int down) {
    YearGridShape shape{across, down};
    if (shape.across < 1)
        shape.across = kDefaultMonthsAcross;
    if (shape.down < 1)
        shape.down = kDefaultMonthsDown;
    // Each count is at least 1 here, so the product cannot overflow before
    // the limit is seen: compare by division.
    if (shape.across > kMaxGridProduct / shape.down)
        shape = YearGridShape{};
    return shape;
}

ViewColours LoadViewColours(const CSettingsHelper& settings) {
    ViewColours colours;
    colours.text = Colour(settings, Key::TextColor);
    colours.background = Colour(settings, Key::BackgroundColor);
    LoadColourPairs(settings, colours);
    colours.holidayText = Colour(settings, Key::PublicHolidayTextColor);
    colours.holidayBackground = Colour(settings, Key::PublicHolidayBackgroundColor);
    return colours;
}

void LoadColourPairs(const CSettingsHelper& settings, ViewColours& colours) {
    colours.todayText = Colour(settings, Key::TodayTextColor);
    colours.todayBackground = Colour(settings, Key::TodayBackgroundColor);
    colours.entryText = Colour(settings, Key::DiaryEntryTextColor);
    colours.entryBackground = Colour(settings, Key::DiaryEntryBackgroundColor);
}

FontSpec LoadFontSpec(const CSettingsHelper& settings) {
    FontSpec font;
    font.face = Text(settings, Key::Font).left(kMaxFontFaceLength);
    font.height = Int(settings, Key::FontSize);
    return font;
}

void LoadWeekSettings(const CSettingsHelper& settings, ViewSettings& view) {
    view.weekStart = WeekStartFromText(settings.ReadPlain(Key::WeekStart));
    view.weekNumbers = CSettingsHelper::TextToBool(settings.ReadPlain(Key::WeekNumbers));
}

YearGridShape LoadYearGrid(const CSettingsHelper& settings) {
    return CorrectYearGrid(Int(settings, Key::MonthsAcross), Int(settings, Key::MonthsDown));
}

ViewSettings LoadViewSettings(const CSettingsHelper& settings) {
    ViewSettings view;
    view.colours = LoadViewColours(settings);
    view.font = LoadFontSpec(settings);
    view.onTop = Bool(settings, Key::OnTop);
    view.noMenu = !Bool(settings, Key::Menu);
    view.yearView = Bool(settings, Key::YearView);
    view.grid = LoadYearGrid(settings);
    view.marquee = LoadMarqueeKeyValues(settings);
    view.showPicture = Bool(settings, Key::ShowPicture);
    view.stretchHeight = Bool(settings, Key::StretchHeight);
    view.stretchWidth = Bool(settings, Key::StretchWidth);
    // Read plainly, as the week settings are: older files gain no key.
    view.fitPage = settings.GetBool(Key::FitPage, false);
    LoadWeekSettings(settings, view);
    return view;
}
