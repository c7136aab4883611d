// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BuddyLabel.h"

#include <QLabel>

QLabel* BuddyLabel(const QString& text, QWidget* field) {
    auto* label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    return label;
}
