// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointer>

class QWidget;

// Moves a window without a title bar while the user drags its face. The
// window manager does the move where it can (X11 and Wayland alike); where
// it cannot, as on the offscreen platform, the window follows the pointer.
class CWindowDragger {
public:
    // Starts a drag of `window` from a press at `globalPress`.
    void Begin(QWidget& window, QPoint globalPress);
    // Follows the pointer while a drag that the window manager refused is on.
    void Follow(QPoint globalPointer);
    void End();
    bool IsFollowing() const { return !m_window.isNull(); }

private:
    QPointer<QWidget> m_window;
    QPoint m_pressOffset;
};
