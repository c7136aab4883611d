// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

class QWidget;

// A top-level window asked to stand at `corner` before it is framed: the
// frame's size is not known yet, and a window manager may take the corner for
// the inside's, which puts the title bar above it. Once the window is shown
// and framed, a window whose inside landed on `corner` is moved so that its
// outer corner, frame included, stands there instead.
void KeepOuterCorner(QWidget& window, QPoint corner);
