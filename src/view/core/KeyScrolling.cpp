// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/KeyScrolling.h"

std::vector<ScrollStep> ScrollStepsForKey(int key) {
    switch (key) {
        case Qt::Key_Up:
            return {{Qt::Vertical, ScrollMove::LineBack}};
        case Qt::Key_Down:
            return {{Qt::Vertical, ScrollMove::LineForward}};
        case Qt::Key_PageUp:
            return {{Qt::Vertical, ScrollMove::PageBack}};
        case Qt::Key_PageDown:
            return {{Qt::Vertical, ScrollMove::PageForward}};
        case Qt::Key_Left:
            return {{Qt::Horizontal, ScrollMove::PageBack}};
        case Qt::Key_Right:
            return {{Qt::Horizontal, ScrollMove::PageForward}};
        case Qt::Key_Home:
            return {{Qt::Vertical, ScrollMove::ToStart}, {Qt::Horizontal, ScrollMove::ToStart}};
        case Qt::Key_End:
            return {{Qt::Vertical, ScrollMove::ToEnd}, {Qt::Horizontal, ScrollMove::ToEnd}};
        default:
            return {};
    }
}
