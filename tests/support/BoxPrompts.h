// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "support/FakePrompts.h"

// Prompts that run `whileOpen` while a box is "open", as a real box's own
// event loop would.
class BoxPrompts : public FakePrompts {
public:
    void ShowMessage(const QString& text, const QString& caption) override {
        FakePrompts::ShowMessage(text, caption);
        if (whileOpen)
            whileOpen();
    }

    std::function<void()> whileOpen;
};
