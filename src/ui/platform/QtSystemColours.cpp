// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/QtSystemColours.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
ColourRef FromPalette(QPalette::ColorRole role) {
    const QColor c = QGuiApplication::palette().color(QPalette::Active, role);
    return Rgb(c.red(), c.green(), c.blue());
}
}  // namespace

ColourRef CQtSystemColours::WindowColour() const { return FromPalette(QPalette::Base); }

ColourRef CQtSystemColours::WindowTextColour() const { return FromPalette(QPalette::Text); }
