// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class IPrompts;

// Under Wayland the compositor, not the program, decides where a window
// goes and whether it stays above the others. Rather than fail silently the
// calendar says so, once per run. It starts on XWayland where there is one,
// so this is heard only where there is none or the user asked for Wayland.
class CWaylandNotice {
public:
    // The platform the application runs on.
    CWaylandNotice();
    explicit CWaylandNotice(QString platformName);

    bool LimitsWindowPlacement() const;
    // Shows the notice the first time it is called on Wayland; otherwise nothing.
    void TellOnce(IPrompts& prompts);

    static QString Text();
    static QString Caption();

private:
    QString m_platformName;
    bool m_told = false;
};
