// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QBoxLayout;
class QString;
class QWidget;

// How wide a window must be for the window manager to show its whole
// caption: the caption in a bold face, as title bars draw it, and room for
// the title bar's buttons.
int CaptionWidth(const QWidget& window, const QString& caption);
// Makes `layout`, the dialog's top-level layout, at least as wide as the
// dialog's caption, so that a dialog sized to its content never cuts it.
void WidenToCaption(QWidget& dialog, QBoxLayout& layout);
