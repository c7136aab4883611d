// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PersistentFrame.h"

#include <QGuiApplication>
#include <QScreen>

#include "settings/WindowPlacement.h"

namespace {
WindowPlacement PlacementOf(const QMainWindow& frame) {
    WindowPlacement placement;
    const Qt::WindowStates state = frame.windowState();
    if (state & Qt::WindowMinimized) {
        placement.state = ShowState::Minimized;
        placement.restoreToMaximized = (state & Qt::WindowMaximized) != 0;
    } else if (state & Qt::WindowMaximized) {
        placement.state = ShowState::Maximized;
    }
    QRect normal = frame.normalGeometry();
    if (normal.isEmpty())
        normal = frame.geometry();
    // Right and bottom are exclusive, as the stored rectangle has them.
    placement.normalRect = {normal.left(), normal.top(), normal.left() + normal.width(),
                            normal.top() + normal.height()};
    return placement;
}
// A window saved on a screen that is no longer attached would open where
// nobody can see or reach it.
bool IsOnSomeScreen(const QRect& rect) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return true;
    for (const QScreen* screen : screens) {
        if (screen->availableGeometry().intersects(rect))
            return true;
    }
    return false;
}

QRect ToQRect(const RectValues& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}
}  // namespace

CPersistentFrame::CPersistentFrame(CSettingsStore& store, QWidget* parent)
    : QMainWindow(parent), m_store(store) {}

CPersistentFrame::~CPersistentFrame() {
    SavePlacement();
}

void CPersistentFrame::SavePlacement() {
    SaveWindowPlacement(m_store, PlacementOf(*this));
}

void CPersistentFrame::ActivateFrame() {
    if (!m_firstTime) {
        show();
        return;
    }
    m_firstTime = false;
    const WindowPlacement placement = LoadWindowPlacement(m_store);
    QRect normal = ToQRect(placement.normalRect);
    if (!IsOnSomeScreen(normal))
        normal = ToQRect(kDefaultFrameRect);
    setGeometry(normal);
    switch (placement.state) {
        case ShowState::Normal:
            show();
            break;
        case ShowState::Maximized:
            showMaximized();
            break;
        case ShowState::Minimized:
            // Shown minimized without taking the focus; restoring it brings
            // back the maximized window when it was maximized before.
            setAttribute(Qt::WA_ShowWithoutActivating);
            setWindowState(
                Qt::WindowMinimized |
                (placement.restoreToMaximized ? Qt::WindowMaximized : Qt::WindowNoState));
            show();
            setAttribute(Qt::WA_ShowWithoutActivating, false);
            break;
    }
}
