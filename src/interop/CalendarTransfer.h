// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class CDiaryDatabase;
class IClock;
class IPrompts;

// The window's Import Calendar and Export Calendar: the file dialogs, the
// holiday question and the summary box around the import and export of a
// diary. Errors (a damaged file, a diary that cannot be written) pass out
// as the core's exceptions for the command's top-level handler to show.
class CCalendarTransfer {
public:
    CCalendarTransfer(IPrompts& prompts, const IClock& clock)
        : m_prompts(prompts), m_clock(clock) {}

    // True when entries were added, so the day marks need reloading.
    bool Import(CDiaryDatabase& diary);
    void Export(const CDiaryDatabase& diary);

private:
    IPrompts& m_prompts;
    const IClock& m_clock;
};
