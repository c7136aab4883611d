// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CaptionWidth.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QSpacerItem>
#include <QWidget>

namespace {
// Window icon, minimize, maximize and close, and the frame's own margins.
constexpr int kTitleBarButtonsWidth = 120;
}  // namespace

// The title bar's font is the desktop's, not the window's: the wider of the
// two is measured, each in bold.
int CaptionWidth(const QWidget& window, const QString& caption) {
    int widest = 0;
    for (QFont font : {window.font(), QFontDatabase::systemFont(QFontDatabase::TitleFont)}) {
        font.setBold(true);
        widest = qMax(widest, QFontMetrics(font).horizontalAdvance(caption));
    }
    return widest + kTitleBarButtonsWidth;
}

void WidenToCaption(QWidget& dialog, QBoxLayout& layout) {
    const QMargins margins = layout.contentsMargins();
    const int width = CaptionWidth(dialog, dialog.windowTitle()) - margins.left() - margins.right();
    // A spacer of no height: it takes no room, only sets the least width.
    layout.addSpacerItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed));
}
