// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/core/FindChoice.h"

FindField FindFieldOfIndex(int lookInIndex) {
    switch (lookInIndex) {
        case 0:
            return FindField::Date;
        case 2:
            return FindField::Tune;
        default:
            return FindField::Message;
    }
}

int LookInIndexForEdit(EntryEdit lastFocused) {
    switch (lastFocused) {
        case EntryEdit::Message:
            return static_cast<int>(FindField::Message);
        case EntryEdit::Tune:
            return static_cast<int>(FindField::Tune);
        default:
            return static_cast<int>(FindField::Date);
    }
}
