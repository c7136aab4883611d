// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CaptionWidth.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QSpacerItem>
#include <QWidget>

namespace {
// Window icon, minimize, maximize and close, and the frame's own margins.
constexpr int kTitleBarButtonsWidth = 120;
}  // namespace

int CaptionWidth(const QWidget& window, const QString& caption) {
    QFont bold = window.font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(caption) + kTitleBarButtonsWidth;
}

void WidenToCaption(QWidget& dialog, QBoxLayout& layout) {
    const QMargins margins = layout.contentsMargins();
    const int width = CaptionWidth(dialog, dialog.windowTitle()) - margins.left() - margins.right();
    // A spacer of no height: it takes no room, only sets the least width.
    layout.addSpacerItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed));
}
