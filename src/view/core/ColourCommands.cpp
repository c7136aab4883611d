// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/ColourCommands.h"

#include "commands/CommandIds.h"
#include "platform/Prompts.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "view/core/ViewSettings.h"

const std::vector<ColourCommand>& ColourCommandTable() {
    static const std::vector<ColourCommand> table = {
        {CommandId::TextColour, &ViewColours::text, Key::TextColor, false},
        {CommandId::BackgroundColour, &ViewColours::background, Key::BackgroundColor, true},
        {CommandId::TodayTextColour, &ViewColours::todayText, Key::TodayTextColor, false},
        {CommandId::TodayBackgroundColour, &ViewColours::todayBackground, Key::TodayBackgroundColor,
         true},
        {CommandId::DiaryEntryTextColour, &ViewColours::entryText, Key::DiaryEntryTextColor, false},
        {CommandId::DiaryEntryBackgroundColour, &ViewColours::entryBackground,
         Key::DiaryEntryBackgroundColor, false},
        {CommandId::PublicHolidayTextColour, &ViewColours::holidayText, Key::PublicHolidayTextColor,
         false},
        {CommandId::PublicHolidayBackgroundColour, &ViewColours::holidayBackground,
         Key::PublicHolidayBackgroundColor, false},
    };
    return table;
}

const ColourCommand* FindColourCommand(int id) {
    for (const ColourCommand& command : ColourCommandTable()) {
        if (command.id == id)
            return &command;
    }
    return nullptr;
}

bool RunColourCommand(const ColourCommand& command, ViewColours& colours, IPrompts& prompts,
                      const CSettingsHelper& settings) {
    const std::optional<ColourRef> chosen = prompts.AskColour(colours.*command.colour);
    if (!chosen)
        return false;
    colours.*command.colour = *chosen;
    settings.WriteColour(command.key, *chosen);
    if (command.id == CommandId::TextColour)
        LoadColourPairs(settings, colours);
    return true;
}
