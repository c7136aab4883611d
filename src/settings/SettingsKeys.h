// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

#include "colour/ColourRef.h"

class CSettingsStore;
class ISystemColours;

// The keys of section "Settings", in the order the view first reads them.
// The text each is stored under and its default live in SettingsTable() only.
enum class Key {
    DiaryName,
    OnTop,
    Menu,
    YearView,
    MonthsAcross,
    MonthsDown,
    MarqueeOn,
    MarqueeSlide,
    MarqueeSecs,
    MarqueeCheckFileFreq,
    MarqueeCheckFileUnits,
    UseFile,
    MarqueeFileName,
    MarqueeMess,
    MarqueeCheckInternetFreq,
    MarqueeCheckInternetUnits,
    InternetCheckDate,
    UseInternet,
    ShowPicture,
    StretchHeight,
    StretchWidth,
    Font,
    FontSize,
    TextColor,
    BackgroundColor,
    TodayTextColor,
    TodayBackgroundColor,
    DiaryEntryTextColor,
    DiaryEntryBackgroundColor,
    PublicHolidayTextColor,
    PublicHolidayBackgroundColor,
    MarqueeTextColor,
    MarqueeBackgroundColor,
    AboutDialogRect,
    QuickHelpDialogRect,
    SponsorDialogRect,
    OptionsDialogRect,
    DiaryDialogRect,
    FindDialogRect,
    // The random identifier sent as "userid" to the promotion server, made at
    // the first request.
    UserId,
    // The minute the alarm check last ran (yyyy-MM-dd HH:mm), empty before the first.
    LastAlarmCheck,
    // The alarms already shown: "yyyyMMddHHmm-digest" records, space separated.
    ShownAlarms,
    // The CalDAV calendar the diary synchronises with, and the user reaching it.
    CalDavUrl,
    CalDavUser,
    // How often the window synchronises, in minutes; 0 only on request.
    CalDavEveryMinutes,
    // When the last sync that succeeded ended (yyyy-MM-dd HH:mm), empty before the first.
    CalDavLastSync,
    // A file of certificate authorities the CalDAV server is trusted by besides
    // the system's; empty for none.
    CalDavCaFile,
    // The folder of the calendar file last imported or exported; empty before the first.
    CalendarFolder,
    // The weekday the page's rows start on: Sunday, Monday or Locale (the
    // locale's first day of the week).
    WeekStart,
    // Whether a column of ISO 8601 week numbers leads the page's rows.
    WeekNumbers,
    // Whether the page's fonts scale so that the page fills the window.
    FitPage,
};
inline constexpr int kKeyCount = static_cast<int>(Key::FitPage) + 1;

// The values of WeekStart, compared case-sensitively.
namespace WeekStartWord {
inline constexpr char Sunday[] = "Sunday";
inline constexpr char Monday[] = "Monday";
inline constexpr char Locale[] = "Locale";
}  // namespace WeekStartWord

// Keys of section "Window size".
namespace WindowKey {
inline constexpr char Rect[] = "Rect";
inline constexpr char Icon[] = "icon";
inline constexpr char Max[] = "max";
}  // namespace WindowKey

// The unit words, compared case-sensitively.
// Stored in English; the Options dialog shows them translated.
namespace UnitWord {
inline constexpr char Seconds[] = QT_TRANSLATE_NOOP("CMarqueePage", "Seconds");
inline constexpr char Minutes[] = QT_TRANSLATE_NOOP("CMarqueePage", "Minutes");
inline constexpr char Hours[] = QT_TRANSLATE_NOOP("CMarqueePage", "Hours");
inline constexpr char Days[] = QT_TRANSLATE_NOOP("CMarqueePage", "Days");
inline constexpr char Weeks[] = QT_TRANSLATE_NOOP("CMarqueePage", "Weeks");
inline constexpr char Months[] = QT_TRANSLATE_NOOP("CMarqueePage", "Months");
}  // namespace UnitWord

enum class DefaultRule {
    Fixed,             // the text in `fixed`
    WindowColour,      // the desktop's window colour
    WindowTextColour,  // the desktop's window-text colour
    DistinctColour,    // first candidate that differs from TextColor and
                       // BackgroundColor
    SameAsKey,         // the current value of `sourceKey`
    StartUp,           // worked out at start-up (DiaryName); no table default
};

struct SettingDefinition {
    Key key;
    // The text the key is stored under; stored files depend on it.
    const char* name;
    DefaultRule rule;
    const char* fixed = "";
    std::array<ColourRef, 3> candidates{};
    Key sourceKey = Key::DiaryName;  // for SameAsKey
    // A number's sensible range; none when `highest` is below `lowest`.
    int lowest = 1;
    int highest = 0;
};

// Every key of section "Settings", one row each, in the order of the enum.
const std::array<SettingDefinition, kKeyCount>& SettingsTable();
const SettingDefinition& DefinitionOf(Key key);
// The text `key` is stored under.
QString KeyName(Key key);

class CIniFile;
// Whether `text` suits the key: any text for a key without a range, else a
// whole number within it.
bool WithinRange(const SettingDefinition& definition, const QString& text);
// The first line of section "Settings" of `file` whose number is outside its
// key's range, as a message naming the file and the line; empty when none.
QString RangeProblem(const CIniFile& file);

// The first of the three candidates that equals neither the text nor the
// background colour; the third whatever it is when the first two both clash.
ColourRef PickDistinctColour(ColourRef text, ColourRef background,
                             const std::array<ColourRef, 3>& candidates);

// The default text of a key, worked out now (colour defaults depend on other
// keys).
QString DefaultText(const SettingDefinition& definition, const CSettingsStore& store,
                    const ISystemColours& colours);
