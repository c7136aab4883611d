// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/FrameModes.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "commands/CommandIds.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "ui/OuterCorner.h"

namespace {
// Changing a window flag hides a shown window; show it again where it was:
// the frame keeps its outer corner while the title bar comes or goes, and the
// inside keeps its size.
void SetFrameFlag(QMainWindow& frame, Qt::WindowType flag, bool on) {
    if (frame.windowFlags().testFlag(flag) == on)
        return;
    const bool wasVisible = frame.isVisible();
    const QPoint corner = frame.frameGeometry().topLeft();
    const QSize size = frame.size();
    frame.setWindowFlag(flag, on);
    if (wasVisible) {
        frame.resize(size);
        frame.move(corner);
        KeepOuterCorner(frame, corner);
        frame.show();
    }
}

void CheckActions(const QList<QAction*>& actions, int id, bool checked) {
    for (QAction* action : actions) {
        if (action->data().isValid() && action->data().toInt() == id) {
            action->setCheckable(true);
            action->setChecked(checked);
        }
        if (action->menu())
            CheckActions(action->menu()->actions(), id, checked);
    }
}

void SetOnTopFlag(QMainWindow& frame, const CSettingsHelper& settings, bool onTop) {
    SetMenuItemCheck(frame, CommandId::AlwaysOnTop, onTop);
    SetFrameFlag(frame, Qt::WindowStaysOnTopHint, onTop);
    settings.WriteBool(Key::OnTop, onTop);
}
}  // namespace

void SetOnTop(QMainWindow& frame, const CSettingsHelper& settings) {
    SetOnTopFlag(frame, settings, true);
}

void ClearOnTop(QMainWindow& frame, const CSettingsHelper& settings) {
    SetOnTopFlag(frame, settings, false);
}

void ShowMenu(QMainWindow& frame, const CSettingsHelper& settings) {
    frame.menuBar()->setVisible(true);
    settings.WriteBool(Key::Menu, true);
}

void HideMenu(QMainWindow& frame, const CSettingsHelper& settings) {
    frame.menuBar()->setVisible(false);
    settings.WriteBool(Key::Menu, false);
}

void ShowTitleBar(QMainWindow& frame) {
    SetFrameFlag(frame, Qt::FramelessWindowHint, false);
}

void HideTitleBar(QMainWindow& frame) {
    SetFrameFlag(frame, Qt::FramelessWindowHint, true);
}

bool FrameHasMenu(const QMainWindow& frame) {
    const QWidget* bar = frame.menuWidget();
    return bar && !bar->isHidden();
}

bool FrameHasTitleBar(const QMainWindow& frame) {
    return !frame.windowFlags().testFlag(Qt::FramelessWindowHint);
}

void SetMenuItemCheck(QMainWindow& frame, int id, bool checked) {
    if (!FrameHasMenu(frame))
        return;
    CheckActions(frame.menuBar()->actions(), id, checked);
}
