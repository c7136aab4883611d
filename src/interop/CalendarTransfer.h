// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class CDiaryDatabase;
class IClock;
class IPrompts;

// The window's Import Calendar and Export Calendar: the file dialogs, the
// holiday question and the summary box around the import and export of a
// diary. Errors (a damaged file, a diary that cannot be written) pass out
// as the core's exceptions for the command's top-level handler to show.
class CCalendarTransfer {
public:
    // The file dialogs start in `folder`; the folder of each chosen file goes
    // to `chosenFolder` as soon as it is chosen.
    struct Folders {
        QString folder;
        std::function<void(const QString& folder)> chosenFolder;
    };
    CCalendarTransfer(IPrompts& prompts, const IClock& clock, Folders folders)
        : m_prompts(prompts), m_clock(clock), m_folders(std::move(folders)) {}

    // True when entries were added, so the day marks need reloading.
    bool Import(CDiaryDatabase& diary);
    void Export(const CDiaryDatabase& diary);

private:
    // The chosen file's path, or empty text when the user cancels.
    QString AskFile(bool save);

    IPrompts& m_prompts;
    const IClock& m_clock;
    Folders m_folders;
};
