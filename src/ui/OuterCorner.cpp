// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OuterCorner.h"

#include <QEvent>
#include <QWidget>

namespace {
class CCornerKeeper : public QObject {
public:
    CCornerKeeper(QWidget& window, QPoint corner) : QObject(&window), m_corner(corner) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // The first paint follows the framing.
        if (event->type() == QEvent::Paint) {
            auto* window = static_cast<QWidget*>(watched);
            window->removeEventFilter(this);
            PutBack(*window);
            deleteLater();
        }
        return false;
    }

private:
    void PutBack(QWidget& window) const {
        // Only the manager's mistake is undone: a window it put elsewhere on
        // purpose, or one moved since, stays put.
        if (window.windowFlags().testFlag(Qt::FramelessWindowHint)) {
            // Without a frame the inside is the whole window; margins left
            // from a former title bar put the inside below the corner.
            if (window.pos() == m_corner && window.geometry().topLeft() != m_corner)
                window.setGeometry(QRect(m_corner, window.size()));
        } else if (window.geometry().topLeft() == m_corner && window.pos() != m_corner) {
            window.move(m_corner);
        }
    }

    QPoint m_corner;
};
}  // namespace

void KeepOuterCorner(QWidget& window, QPoint corner) {
    new CCornerKeeper(window, corner);
}
