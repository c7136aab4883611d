// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/NewFileColours.h"

#include "colour/ColourContrast.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsStore.h"

void WriteNewFileColours(const CSettingsHelper& settings) {
    if (!settings.Store().StartedWithoutFile())
        return;
    const ColourRef background = settings.GetColour(Key::BackgroundColor, false);
    for (const Key key :
         {Key::TodayTextColor, Key::DiaryEntryTextColor, Key::PublicHolidayTextColor})
        settings.WriteColour(key, ReadableOn(settings.GetColour(key, false), background));
}
