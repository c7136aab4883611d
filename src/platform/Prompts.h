// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "colour/ColourRef.h"

// A typeface, its height and the text colour as the font dialog hands them
// back (weight, slant and effects do not survive).
struct FontChoice {
    QString face;
    int height = 0;  // logical units; negative means character height
    ColourRef colour = 0;
};

// The parameters of an open-file dialog.
struct OpenFileRequest {
    QString filter;         // e.g. "database files (*.db)"
    QString defaultSuffix;  // without the dot
    QString initialName;
    // A save dialog: the file may be new, and replacing one is confirmed.
    bool save = false;
    // Where the dialog starts; empty for the toolkit's choice.
    QString folder;
};

// The button of a yes/no question that Return presses.
enum class DefaultAnswer { Yes, No };

// Everything the core asks the user. The ui implements it with Qt dialogs;
// tests implement it with fakes that record the questions and pre-answer them.
class IPrompts {
public:
    virtual ~IPrompts() = default;

    // A modal message box with a single OK button.
    virtual void ShowMessage(const QString& text, const QString& caption) = 0;
    // The chosen file's full path, or an empty text when the user cancels.
    virtual QString AskOpenFileName(const OpenFileRequest& request) = 0;
    // Yes (true) or No (false) to a question, or nothing when the user cancels.
    // Return picks `defaultAnswer`.
    virtual std::optional<bool> AskYesNo(const QString& question, const QString& caption,
                                         DefaultAnswer defaultAnswer) = 0;
    // The chosen colour, or nothing when the user cancels.
    virtual std::optional<ColourRef> AskColour(ColourRef initial) = 0;
    // The chosen font, or nothing when the user cancels.
    virtual std::optional<FontChoice> AskFont(const FontChoice& initial) = 0;
};
