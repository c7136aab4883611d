// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CCalView;

// The view's routing table: the commands the view handles, each with the
// part of the view that handles it.
class CViewCommandRoutes {
public:
    static bool Routes(int id);
    // Runs the handler of command `id`; false when the view does not route it.
    static bool Run(CCalView& view, int id);

private:
    using Handler = void (*)(CCalView& view);
    static Handler Find(int id);
};
