// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsKeys.h"

#include <QCoreApplication>
#include <QDir>

#include "platform/SystemColours.h"
#include "settings/DecimalText.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"

namespace {
constexpr char kRectDefault[] = "0000 0000 0000 0000";

constexpr SettingDefinition Fixed(Key key, const char* name, const char* text) {
    return {key, name, DefaultRule::Fixed, text};
}
// A number beyond its range would only make the page unreadable (a font
// thousands of pixels high paints nothing but white, slowly).
constexpr SettingDefinition Bounded(Key key, const char* name, const char* text, int lowest,
                                    int highest) {
    return {key, name, DefaultRule::Fixed, text, {}, Key::DiaryName, lowest, highest};
}
constexpr SettingDefinition Rule(Key key, const char* name, DefaultRule rule) {
    return {key, name, rule};
}
constexpr SettingDefinition Distinct(Key key, const char* name, ColourRef a, ColourRef b,
                                     ColourRef c) {
    return {key, name, DefaultRule::DistinctColour, "", {a, b, c}};
}

constexpr std::array<SettingDefinition, kKeyCount> kTable = {{
    Rule(Key::DiaryName, "DiaryName", DefaultRule::StartUp),
    Fixed(Key::OnTop, "OnTop", "False"),
    Fixed(Key::Menu, "Menu", "False"),
    Fixed(Key::YearView, "YearView", "False"),
    Fixed(Key::MonthsAcross, "MonthsAcross", "3"),
    Fixed(Key::MonthsDown, "MonthsDown", "4"),
    Fixed(Key::MarqueeOn, "MarqueeOn", "True"),
    Fixed(Key::MarqueeSlide, "MarqueeSlide", "1"),
    Fixed(Key::MarqueeSecs, "MarqueeSecs", "25"),
    Fixed(Key::MarqueeCheckFileFreq, "MarqueeCheckFileFreq", "1"),
    Fixed(Key::MarqueeCheckFileUnits, "MarqueeCheckFileUnits", UnitWord::Hours),
    Fixed(Key::UseFile, "UseFile", "False"),
    Fixed(Key::MarqueeFileName, "MarqueeFileName", ""),
    Fixed(Key::MarqueeMess, "MarqueeMess", ""),
    Fixed(Key::MarqueeCheckInternetFreq, "MarqueeCheckInternetFreq", "1"),
    Fixed(Key::MarqueeCheckInternetUnits, "MarqueeCheckInternetUnits", UnitWord::Days),
    Fixed(Key::InternetCheckDate, "InternetCheckDate", "1"),
    Fixed(Key::UseInternet, "UseInternet", "True"),
    Fixed(Key::ShowPicture, "ShowPicture", "False"),
    Fixed(Key::StretchHeight, "StretchHeight", "True"),
    Fixed(Key::StretchWidth, "StretchWidth", "True"),
    Fixed(Key::Font, "Font", "Verdana"),
    Bounded(Key::FontSize, "FontSize", "-11", -500, 500),
    Rule(Key::TextColor, "TextColor", DefaultRule::WindowTextColour),
    Rule(Key::BackgroundColor, "BackgroundColor", DefaultRule::WindowColour),
    Distinct(Key::TodayTextColor, "TodayTextColor", Rgb(255, 0, 0), Rgb(0, 0, 255), Rgb(0, 255, 0)),
    Rule(Key::TodayBackgroundColor, "TodayBackgroundColor", DefaultRule::WindowColour),
    Distinct(Key::DiaryEntryTextColor, "DiaryEntryTextColor", Rgb(255, 128, 128),
             Rgb(128, 128, 255), Rgb(128, 255, 128)),
    Rule(Key::DiaryEntryBackgroundColor, "DiaryEntryBackgroundColor", DefaultRule::WindowColour),
    Distinct(Key::PublicHolidayTextColor, "PublicHolidayTextColor", Rgb(0, 255, 255),
             Rgb(255, 255, 0), Rgb(255, 0, 255)),
    {Key::PublicHolidayBackgroundColor,
     "PublicHolidayBackgroundColor",
     DefaultRule::SameAsKey,
     "",
     {},
     Key::DiaryEntryBackgroundColor},
    Rule(Key::MarqueeTextColor, "MarqueeTextColor", DefaultRule::WindowTextColour),
    Rule(Key::MarqueeBackgroundColor, "MarqueeBackgroundColor", DefaultRule::WindowColour),
    Fixed(Key::AboutDialogRect, "AboutDialogRect", kRectDefault),
    Fixed(Key::QuickHelpDialogRect, "QuickHelpDialogRect", kRectDefault),
    Fixed(Key::SponsorDialogRect, "SponsorDialogRect", kRectDefault),
    Fixed(Key::OptionsDialogRect, "OptionsDialogRect", kRectDefault),
    Fixed(Key::DiaryDialogRect, "DiaryDialogRect", kRectDefault),
    Fixed(Key::FindDialogRect, "FindDialogRect", kRectDefault),
    Fixed(Key::UserId, "UserId", ""),
    Fixed(Key::LastAlarmCheck, "LastAlarmCheck", ""),
    Fixed(Key::ShownAlarms, "ShownAlarms", ""),
    Fixed(Key::CalDavUrl, "CalDavUrl", ""),
    Fixed(Key::CalDavUser, "CalDavUser", ""),
    Fixed(Key::CalDavEveryMinutes, "CalDavEveryMinutes", "0"),
    Fixed(Key::CalDavLastSync, "CalDavLastSync", ""),
    Fixed(Key::CalDavCaFile, "CalDavCaFile", ""),
    Fixed(Key::CalendarFolder, "CalendarFolder", ""),
    Fixed(Key::WeekStart, "WeekStart", WeekStartWord::Sunday),
    Fixed(Key::WeekNumbers, "WeekNumbers", "False"),
    Fixed(Key::FitPage, "FitPage", "False"),
}};

constexpr bool RowsFollowTheEnum() {
    for (int i = 0; i < kKeyCount; ++i) {
        if (static_cast<int>(kTable[i].key) != i)
            return false;
    }
    return true;
}
// Each key has exactly its own row, so a lookup is an index.
static_assert(RowsFollowTheEnum(), "the settings table must list every key in enum order");

QString ColourText(ColourRef colour) {
    return QString::number(static_cast<qint32>(colour));
}

ColourRef StoredOrDefaultColour(Key key, const CSettingsStore& store,
                                const ISystemColours& colours) {
    QString text = store.ReadText(CSettingsStore::kSettingsSection, KeyName(key));
    if (text.isEmpty())
        text = DefaultText(DefinitionOf(key), store, colours);
    return static_cast<ColourRef>(ParseDecimal(text));
}
}  // namespace

const std::array<SettingDefinition, kKeyCount>& SettingsTable() {
    return kTable;
}

const SettingDefinition& DefinitionOf(Key key) {
    return kTable[static_cast<int>(key)];
}

QString KeyName(Key key) {
    return QString::fromLatin1(DefinitionOf(key).name);
}

ColourRef PickDistinctColour(ColourRef text, ColourRef background,
                             const std::array<ColourRef, 3>& candidates) {
    for (int i = 0; i < 2; ++i) {
        if (candidates[i] != text && candidates[i] != background)
            return candidates[i];
    }
    return candidates[2];
}

QString DefaultText(const SettingDefinition& definition, const CSettingsStore& store,
                    const ISystemColours& colours) {
    switch (definition.rule) {
        case DefaultRule::Fixed:
            return QString::fromUtf8(definition.fixed);
        case DefaultRule::WindowColour:
            return ColourText(colours.WindowColour());
        case DefaultRule::WindowTextColour:
            return ColourText(colours.WindowTextColour());
        case DefaultRule::DistinctColour: {
            const ColourRef text = StoredOrDefaultColour(Key::TextColor, store, colours);
            const ColourRef background =
                StoredOrDefaultColour(Key::BackgroundColor, store, colours);
            return ColourText(PickDistinctColour(text, background, definition.candidates));
        }
        case DefaultRule::SameAsKey:
            return ColourText(StoredOrDefaultColour(definition.sourceKey, store, colours));
        case DefaultRule::StartUp:
            break;
    }
    return QString();
}

bool WithinRange(const SettingDefinition& definition, const QString& text) {
    if (definition.highest < definition.lowest)
        return true;
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    return ok && value >= definition.lowest && value <= definition.highest;
}

QString RangeProblem(const CIniFile& file) {
    const QString section = QString::fromLatin1(CSettingsStore::kSettingsSection);
    for (const SettingDefinition& definition : kTable) {
        const QString name = QString::fromLatin1(definition.name);
        const std::optional<QString> value = file.Value(section, name);
        if (!value || value->trimmed().isEmpty() || WithinRange(definition, *value))
            continue;
        return QCoreApplication::translate(
                   "CCalApp",
                   "Line %1 of the settings file %2 cannot be read: %3 is not a number "
                   "from %4 to %5.")
            .arg(file.LineOf(section, name))
            .arg(QDir::toNativeSeparators(file.Path()), name)
            .arg(definition.lowest)
            .arg(definition.highest);
    }
    return QString();
}
