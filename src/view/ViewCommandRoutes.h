// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CCalView;

// The view's routing table: the commands the view handles, each with the
// member function that handles it.
class CViewCommandRoutes {
public:
    using Handler = void (CCalView::*)();
    // The handler of command `id`; null when the view does not route it.
    static Handler Find(int id);
};
