// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "colour/ColourRef.h"

class CSettingsStore;
class ISystemColours;

// The keys of section "Settings". Their defaults live in SettingsTable() only.
namespace Key {
inline constexpr char DiaryName[] = "DiaryName";
inline constexpr char OnTop[] = "OnTop";
inline constexpr char Menu[] = "Menu";
inline constexpr char YearView[] = "YearView";
inline constexpr char MonthsAcross[] = "MonthsAcross";
inline constexpr char MonthsDown[] = "MonthsDown";
inline constexpr char MarqueeOn[] = "MarqueeOn";
inline constexpr char MarqueeSlide[] = "MarqueeSlide";
inline constexpr char MarqueeSecs[] = "MarqueeSecs";
inline constexpr char MarqueeCheckFileFreq[] = "MarqueeCheckFileFreq";
inline constexpr char MarqueeCheckFileUnits[] = "MarqueeCheckFileUnits";
inline constexpr char UseFile[] = "UseFile";
inline constexpr char MarqueeFileName[] = "MarqueeFileName";
inline constexpr char MarqueeMess[] = "MarqueeMess";
inline constexpr char MarqueeCheckInternetFreq[] = "MarqueeCheckInternetFreq";
inline constexpr char MarqueeCheckInternetUnits[] = "MarqueeCheckInternetUnits";
inline constexpr char InternetCheckDate[] = "InternetCheckDate";
inline constexpr char UseInternet[] = "UseInternet";
inline constexpr char ShowPicture[] = "ShowPicture";
inline constexpr char StretchHeight[] = "StretchHeight";
inline constexpr char StretchWidth[] = "StretchWidth";
inline constexpr char Font[] = "Font";
inline constexpr char FontSize[] = "FontSize";
inline constexpr char TextColor[] = "TextColor";
inline constexpr char BackgroundColor[] = "BackgroundColor";
inline constexpr char TodayTextColor[] = "TodayTextColor";
inline constexpr char TodayBackgroundColor[] = "TodayBackgroundColor";
inline constexpr char DiaryEntryTextColor[] = "DiaryEntryTextColor";
inline constexpr char DiaryEntryBackgroundColor[] = "DiaryEntryBackgroundColor";
inline constexpr char PublicHolidayTextColor[] = "PublicHolidayTextColor";
inline constexpr char PublicHolidayBackgroundColor[] = "PublicHolidayBackgroundColor";
inline constexpr char MarqueeTextColor[] = "MarqueeTextColor";
inline constexpr char MarqueeBackgroundColor[] = "MarqueeBackgroundColor";
inline constexpr char AboutDialogRect[] = "AboutDialogRect";
inline constexpr char QuickHelpDialogRect[] = "QuickHelpDialogRect";
inline constexpr char SponsorDialogRect[] = "SponsorDialogRect";
inline constexpr char OptionsDialogRect[] = "OptionsDialogRect";
inline constexpr char DiaryDialogRect[] = "DiaryDialogRect";
inline constexpr char FindDialogRect[] = "FindDialogRect";
// Not one of the original keys: the random identifier sent as "userid" to the promotion server.
inline constexpr char UserId[] = "UserId";
}  // namespace Key

// Keys of section "Window size".
namespace WindowKey {
inline constexpr char Rect[] = "Rect";
inline constexpr char Icon[] = "icon";
inline constexpr char Max[] = "max";
}  // namespace WindowKey

// The unit words, compared case-sensitively.
namespace UnitWord {
inline constexpr char Seconds[] = "Seconds";
inline constexpr char Minutes[] = "Minutes";
inline constexpr char Hours[] = "Hours";
inline constexpr char Days[] = "Days";
inline constexpr char Weeks[] = "Weeks";
inline constexpr char Months[] = "Months";
}  // namespace UnitWord

enum class DefaultRule {
    Fixed,             // the text in `fixed`
    WindowColour,      // the desktop's window colour
    WindowTextColour,  // the desktop's window-text colour
    DistinctColour,    // first candidate that differs from TextColor and BackgroundColor
    SameAsKey,         // the current value of `sourceKey`
    StartUp,           // worked out at start-up (DiaryName); no table default
};

struct SettingDefinition {
    const char* key;
    DefaultRule rule;
    const char* fixed = "";
    std::array<ColourRef, 3> candidates{};
    const char* sourceKey = "";
};

// Every key of section "Settings", in the order the view first reads them.
const std::vector<SettingDefinition>& SettingsTable();
const SettingDefinition* FindSetting(const QString& key);

// The first of the three candidates that equals neither the text nor the
// background colour; the third whatever it is when the first two both clash.
ColourRef PickDistinctColour(ColourRef text, ColourRef background,
                             const std::array<ColourRef, 3>& candidates);

// The default text of a key, worked out now (colour defaults depend on other keys).
QString DefaultText(const SettingDefinition& definition, const CSettingsStore& store,
                    const ISystemColours& colours);
