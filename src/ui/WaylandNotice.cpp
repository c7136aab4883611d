// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WaylandNotice.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "platform/Prompts.h"

CWaylandNotice::CWaylandNotice() : CWaylandNotice(QGuiApplication::platformName()) {}

CWaylandNotice::CWaylandNotice(QString platformName) : m_platformName(std::move(platformName)) {}

bool CWaylandNotice::LimitsWindowPlacement() const {
    return m_platformName.startsWith(QLatin1String("wayland"));
}

void CWaylandNotice::TellOnce(IPrompts& prompts) {
    if (m_told || !LimitsWindowPlacement())
        return;
    m_told = true;
    prompts.ShowMessage(Text(), Caption());
}

QString CWaylandNotice::Text() {
    return QCoreApplication::translate(
        "CWaylandNotice",
        "On this Wayland desktop the calendar cannot keep itself above other windows or "
        "reopen where it was last placed: the desktop decides both.\n"
        "To keep it on top, use the window menu of your desktop. Where the desktop offers "
        "XWayland, Plenda starts on it and keeps both itself.");
}

QString CWaylandNotice::Caption() {
    return QStringLiteral("Plenda");
}
