// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// A command-line number: plain decimal digits only, no sign, no blanks, and
// short enough that it cannot overflow.
std::optional<int> ReadPlainNumber(const QString& text);
