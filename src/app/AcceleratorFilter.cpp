// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AcceleratorFilter.h"

#include <QKeyEvent>
#include <QWidget>

#include "view/core/MenuTables.h"

CAcceleratorFilter::CAcceleratorFilter(QWidget& window, CommandFilter isOffered,
                                       CommandSink onCommand, QObject* parent)
    : QObject(parent),
      m_window(window),
      m_isOffered(std::move(isOffered)),
      m_onCommand(std::move(onCommand)) {}

int CAcceleratorFilter::CommandFor(QObject* watched, const QKeyEvent& key) const {
    // Only the main window's own keys: a dialog or an open menu keeps its keys.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &m_window)
        return 0;
    const int id = AcceleratorCommand(key.keyCombination());
    return id != 0 && m_isOffered(id) ? id : 0;
}

bool CAcceleratorFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int id = CommandFor(watched, *static_cast<QKeyEvent*>(event));
    if (id == 0)
        return QObject::eventFilter(watched, event);
    // Claiming the override turns the key into a plain key press, which the
    // shortcut map (and the menu bar's access keys) then never see.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        m_onCommand(id);
    return true;
}
