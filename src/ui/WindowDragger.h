// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointer>

class QWidget;

// Moves a window without a title bar while the user drags its face: the
// window follows the pointer, or on Wayland, where only the compositor may
// place windows, the compositor moves it. The move starts only once the
// pointer has left the press by the drag distance, so that the clicks of a
// double-click reach the window and do not move it.
class CWindowDragger {
public:
    // Arms a drag of `window` from a press at `globalPress`.
    void Begin(QWidget& window, QPoint globalPress);
    // Starts the move once the pointer is far enough from the press, and
    // follows the pointer while a move that the window manager refused is on.
    void Follow(QPoint globalPointer);
    void End();
    // Between Begin and End: the press belongs to a drag, not to a click.
    bool IsFollowing() const { return !m_window.isNull(); }

private:
    void StartMove();

    QPointer<QWidget> m_window;
    QPoint m_press;
    QPoint m_pressOffset;
    bool m_moving = false;
};
