// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogPosition.h"

#include <QEvent>
#include <QWidget>

#include "settings/RectText.h"
#include "settings/SettingsHelper.h"

namespace {
// Puts a dialog's outer corner where it was asked to be once the window
// manager has framed it. Before the first showing the frame's size is
// unknown, and a manager may take the requested corner for the inside's: the
// dialog would then open a title bar's height too high on every reopening.
class CCornerKeeper : public QObject {
public:
    CCornerKeeper(QWidget& dialog, QPoint corner) : QObject(&dialog), m_corner(corner) {
        dialog.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // The first paint follows the mapping, when the frame is known. Only
        // that mistake is undone: a dialog moved since stays where it is.
        if (event->type() == QEvent::Paint) {
            auto* dialog = static_cast<QWidget*>(watched);
            dialog->removeEventFilter(this);
            if (dialog->geometry().topLeft() == m_corner && dialog->pos() != m_corner)
                dialog->move(m_corner);
            deleteLater();
        }
        return false;
    }

private:
    QPoint m_corner;
};
}  // namespace

void RestoreDialogPosition(QWidget& dialog, const CSettingsHelper& settings, Key key) {
    const RectValues rect = ParseRectText(settings.GetSetting(key, true));
    const QPoint corner(rect.left, rect.top);
    dialog.move(corner);
    new CCornerKeeper(dialog, corner);
}

void SaveDialogPosition(const QWidget& dialog, const CSettingsHelper& settings, Key key) {
    // pos() and move() both speak of the outer corner, frame included.
    const QPoint corner = dialog.pos();
    const QSize size = dialog.frameGeometry().size();
    const RectValues rect{corner.x(), corner.y(), corner.x() + size.width(),
                          corner.y() + size.height()};
    settings.WriteSetting(key, FormatRectText(rect));
}
