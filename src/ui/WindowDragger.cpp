// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowDragger.h"

#include <QWidget>
#include <QWindow>

void CWindowDragger::Begin(QWidget& window, QPoint globalPress) {
    End();
    QWindow* handle = window.windowHandle();
    if (handle && handle->startSystemMove())
        return;
    m_window = &window;
    m_pressOffset = globalPress - window.pos();
}

void CWindowDragger::Follow(QPoint globalPointer) {
    if (m_window)
        m_window->move(globalPointer - m_pressOffset);
}

void CWindowDragger::End() {
    m_window = nullptr;
}
