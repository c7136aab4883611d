// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsKeys.h"

#include "platform/SystemColours.h"
#include "settings/DecimalText.h"
#include "settings/SettingsStore.h"

namespace {
constexpr char kRectDefault[] = "0000 0000 0000 0000";

SettingDefinition Fixed(const char* key, const char* text) { return {key, DefaultRule::Fixed, text}; }
SettingDefinition Rule(const char* key, DefaultRule rule) { return {key, rule}; }
SettingDefinition Distinct(const char* key, ColourRef a, ColourRef b, ColourRef c) {
    return {key, DefaultRule::DistinctColour, "", {a, b, c}};
}

QString ColourText(ColourRef colour) { return QString::number(static_cast<qint32>(colour)); }

ColourRef StoredOrDefaultColour(const char* key, const CSettingsStore& store,
                                const ISystemColours& colours) {
    const SettingDefinition* definition = FindSetting(QString::fromLatin1(key));
    QString text = store.ReadText(CSettingsStore::kSettingsSection, QString::fromLatin1(key));
    if (text.isEmpty())
        text = DefaultText(*definition, store, colours);
    return static_cast<ColourRef>(ParseDecimal(text));
}
}  // namespace

const std::vector<SettingDefinition>& SettingsTable() {
    static const std::vector<SettingDefinition> table = {
        Rule(Key::DiaryName, DefaultRule::StartUp),
        Fixed(Key::OnTop, "False"),
        Fixed(Key::Menu, "False"),
        Fixed(Key::YearView, "False"),
        Fixed(Key::MonthsAcross, "3"),
        Fixed(Key::MonthsDown, "4"),
        Fixed(Key::MarqueeOn, "True"),
        Fixed(Key::MarqueeSlide, "1"),
        Fixed(Key::MarqueeSecs, "25"),
        Fixed(Key::MarqueeCheckFileFreq, "1"),
        Fixed(Key::MarqueeCheckFileUnits, UnitWord::Hours),
        Fixed(Key::UseFile, "False"),
        Fixed(Key::MarqueeFileName, ""),
        Fixed(Key::MarqueeMess, ""),
        Fixed(Key::MarqueeCheckInternetFreq, "1"),
        Fixed(Key::MarqueeCheckInternetUnits, UnitWord::Days),
        Fixed(Key::InternetCheckDate, "1"),
        Fixed(Key::UseInternet, "True"),
        Fixed(Key::ShowPicture, "False"),
        Fixed(Key::StretchHeight, "True"),
        Fixed(Key::StretchWidth, "True"),
        Fixed(Key::Font, "Verdana"),
        Fixed(Key::FontSize, "-11"),
        Rule(Key::TextColor, DefaultRule::WindowTextColour),
        Rule(Key::BackgroundColor, DefaultRule::WindowColour),
        Distinct(Key::TodayTextColor, Rgb(255, 0, 0), Rgb(0, 0, 255), Rgb(0, 255, 0)),
        Rule(Key::TodayBackgroundColor, DefaultRule::WindowColour),
        Distinct(Key::DiaryEntryTextColor, Rgb(255, 128, 128), Rgb(128, 128, 255), Rgb(128, 255, 128)),
        Rule(Key::DiaryEntryBackgroundColor, DefaultRule::WindowColour),
        Distinct(Key::PublicHolidayTextColor, Rgb(0, 255, 255), Rgb(255, 255, 0), Rgb(255, 0, 255)),
        {Key::PublicHolidayBackgroundColor, DefaultRule::SameAsKey, "", {}, Key::DiaryEntryBackgroundColor},
        Rule(Key::MarqueeTextColor, DefaultRule::WindowTextColour),
        Rule(Key::MarqueeBackgroundColor, DefaultRule::WindowColour),
        Fixed(Key::AboutDialogRect, kRectDefault),
        Fixed(Key::QuickHelpDialogRect, kRectDefault),
        Fixed(Key::SponsorDialogRect, kRectDefault),
        Fixed(Key::OptionsDialogRect, kRectDefault),
        Fixed(Key::DiaryDialogRect, kRectDefault),
        Fixed(Key::FindDialogRect, kRectDefault),
        Fixed(Key::UserId, ""),
    };
    return table;
}

const SettingDefinition* FindSetting(const QString& key) {
    for (const SettingDefinition& definition : SettingsTable()) {
        if (key == QLatin1String(definition.key))
            return &definition;
    }
    return nullptr;
}

ColourRef PickDistinctColour(ColourRef text, ColourRef background, const std::array<ColourRef, 3>& candidates) {
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
            const ColourRef background = StoredOrDefaultColour(Key::BackgroundColor, store, colours);
            return ColourText(PickDistinctColour(text, background, definition.candidates));
        }
        case DefaultRule::SameAsKey:
            return ColourText(StoredOrDefaultColour(definition.sourceKey, store, colours));
        case DefaultRule::StartUp:
            break;
    }
    return QString();
}
