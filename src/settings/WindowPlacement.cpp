// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/WindowPlacement.h"

#include <algorithm>

#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {
const QString kSection = QString::fromLatin1(CSettingsStore::kWindowSection);
const QString kRect = QString::fromLatin1(WindowKey::Rect);
const QString kIcon = QString::fromLatin1(WindowKey::Icon);
const QString kMax = QString::fromLatin1(WindowKey::Max);
}  // namespace

void SaveWindowPlacement(CSettingsStore& store, const WindowPlacement& placement) {
    int icon = 0;
    int max = 0;
    switch (placement.state) {
        case ShowState::Maximized:
            max = 1;
            break;
        case ShowState::Minimized:
            icon = 1;
            max = placement.restoreToMaximized ? 1 : 0;
            break;
        case ShowState::Normal:
            break;
    }
    const QString rect = FormatRectText(placement.normalRect);
    // An unchanged placement is not written again.
    if (store.ReadText(kSection, kRect) == rect && store.ReadInt(kSection, kIcon, -1) == icon &&
        store.ReadInt(kSection, kMax, -1) == max)
        return;
    // The three keys reach the file in one write.
    store.BeginBatch();
    store.WriteText(kSection, kRect, rect);
    store.WriteInt(kSection, kIcon, icon);
    store.WriteInt(kSection, kMax, max);
    store.EndBatch();
}

WindowPlacement LoadWindowPlacement(const CSettingsStore& store) {
    WindowPlacement placement;
    const QString rectText = store.ReadText(kSection, kRect);
    placement.normalRect = rectText.isEmpty() ? kDefaultFrameRect : ParseRectText(rectText);
    const bool icon = store.ReadInt(kSection, kIcon, 0) != 0;
    const bool max = store.ReadInt(kSection, kMax, 0) != 0;
    if (icon) {
        placement.state = ShowState::Minimized;
        placement.restoreToMaximized = max;
    } else if (max) {
        placement.state = ShowState::Maximized;
        placement.restoreToMaximized = true;
    }
    return placement;
}

RectValues FitOnScreen(const RectValues& rect, const RectValues& screen) {
    const int width = std::min(rect.right - rect.left, screen.right - screen.left);
    const int height = std::min(rect.bottom - rect.top, screen.bottom - screen.top);
    const int left = std::clamp(rect.left, screen.left, screen.right - width);
    const int top = std::clamp(rect.top, screen.top, screen.bottom - height);
    return {left, top, left + width, top + height};
}
