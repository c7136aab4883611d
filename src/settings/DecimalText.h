// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// Reads a decimal number the way C's strtol (base 10) and atoi read text:
// leading blanks, an optional sign, then digits; stops at the first other
// character; 0 when there are no digits. Out-of-range values are clamped to
// the int range instead of overflowing.
int ParseDecimal(QStringView text);
