// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QString;
class QWidget;

// A label for `field`, beside it in the same parent: its "&" letter moves the
// focus to the field.
QLabel* BuddyLabel(const QString& text, QWidget* field);
