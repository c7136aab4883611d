// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogPosition.h"

#include <QWidget>

#include "settings/RectText.h"
#include "settings/SettingsHelper.h"
#include "ui/OuterCorner.h"

void RestoreDialogPosition(QWidget& dialog, const CSettingsHelper& settings, Key key) {
    const RectValues rect = ParseRectText(settings.GetSetting(key, true));
    const QPoint corner(rect.left, rect.top);
    dialog.move(corner);
    KeepOuterCorner(dialog, corner);
}

void SaveDialogPosition(const QWidget& dialog, const CSettingsHelper& settings, Key key) {
    // pos() and move() both speak of the outer corner, frame included.
    const QPoint corner = dialog.pos();
    const QSize size = dialog.frameGeometry().size();
    const RectValues rect{corner.x(), corner.y(), corner.x() + size.width(),
                          corner.y() + size.height()};
    settings.WriteSetting(key, FormatRectText(rect));
}
