// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/FontCommand.h"

#include "platform/Prompts.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"

bool RunFontCommand(FontSpec& font, ViewColours& colours, IPrompts& prompts,
                    const CSettingsHelper& settings) {
    std::optional<FontChoice> chosen =
        prompts.AskFont(FontChoice{font.face, font.height, colours.text});
    if (!chosen)
        return false;
    // A height of 0 or an empty face would leave no usable font; keep what the user had.
    if (chosen->height == 0)
        chosen->height = font.height;
    if (chosen->face.isEmpty())
        chosen->face = font.face;

    colours.text = chosen->colour;
    settings.WriteColour(Key::TextColor, colours.text);
    LoadColourPairs(settings, colours);

    font.face = chosen->face.left(kMaxFontFaceLength);
    font.height = chosen->height;
    settings.WriteSetting(Key::Font, font.face);
    settings.WriteInt(Key::FontSize, font.height);
    return true;
}
