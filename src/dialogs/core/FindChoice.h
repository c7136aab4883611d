// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// What the Find dialog searches: a field of the diary and the text to look for.
enum class FindField { Date = 0, Message = 1, Tune = 2 };

// The combo box items of the Find dialog, in index order.
inline constexpr const char* kFindFieldNames[] = {QT_TRANSLATE_NOOP("CFindDlg", "Date"),
                                                  QT_TRANSLATE_NOOP("CFindDlg", "Message"),
                                                  QT_TRANSLATE_NOOP("CFindDlg", "Tune To Play")};

// The field of a Look In index. An index outside 0..2 (typed text that names
// no item) searches the message, the field users search most.
FindField FindFieldOfIndex(int lookInIndex);

// The first Look In index: the field of the edit that last had the focus.
// Before any has had it, the date edit, which gets the focus on opening.
enum class EntryEdit { None, Date, Message, Tune };
int LookInIndexForEdit(EntryEdit lastFocused);
