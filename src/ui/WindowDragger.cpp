// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowDragger.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

void CWindowDragger::Begin(QWidget& window, QPoint globalPress) {
    End();
    m_window = &window;
    m_press = globalPress;
    m_pressOffset = globalPress - window.pos();
}

void CWindowDragger::Follow(QPoint globalPointer) {
    if (!m_window)
        return;
    if (!m_moving &&
        (globalPointer - m_press).manhattanLength() < QApplication::startDragDistance())
        return;
    // The way covered before the move started is made up at once.
    m_window->move(globalPointer - m_pressOffset);
    if (!m_moving)
        StartMove();
}

void CWindowDragger::StartMove() {
    m_moving = true;
    // Where a client cannot place its windows (Wayland) the compositor moves
    // it from here on. Elsewhere it follows the pointer exactly: a window
    // manager's move starts from where the pointer is when it takes over,
    // and the way covered until then would be lost.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    QWindow* handle = m_window->windowHandle();
    if (handle && handle->startSystemMove())
        m_window = nullptr;
}

void CWindowDragger::End() {
    m_window = nullptr;
    m_moving = false;
}
