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
QRect ToQRect(const RectValues& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

RectValues ToRectValues(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// The screen the window overlaps most; none when it overlaps none, as when
// the screen it was saved on is no longer attached.
const QScreen* LandingScreen(const QRect& rect) {
    const QScreen* best = nullptr;
    qint64 bestArea = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect overlap = screen->availableGeometry().intersected(rect);
        const qint64 area = qint64{overlap.width()} * overlap.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

// Qt's widget geometry is in device-independent pixels, so the stored
// rectangle is too; it is fitted to the screen it lands on (the primary one
// when it lands on none, at the default place).
QRect PlacedRect(const RectValues& stored) {
    QRect rect = ToQRect(stored);
    const QScreen* screen = LandingScreen(rect);
    if (!screen) {
        rect = ToQRect(kDefaultFrameRect);
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen)
        return rect;
    return ToQRect(FitOnScreen(ToRectValues(rect), ToRectValues(screen->availableGeometry())));
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
    setGeometry(PlacedRect(placement.normalRect));
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
    // Stored now, in the write of the start-up settings, so a window closed
    // where it opened costs no second write.
    SavePlacement();
}
