// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>
#include <vector>

enum class ScrollMove { LineBack, LineForward, PageBack, PageForward, ToStart, ToEnd };

struct ScrollStep {
    Qt::Orientation bar;
    ScrollMove move;

    bool operator==(const ScrollStep& other) const {
        return bar == other.bar && move == other.move;
    }
};

// The view's keyboard scrolling: the steps a key makes, in order; none for
// every key the view does not scroll with. Left and Right move a page, since
// the page is rarely wider than the window.
std::vector<ScrollStep> ScrollStepsForKey(int key);
