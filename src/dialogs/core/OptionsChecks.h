// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The checks the Options dialog makes before it stores anything.

// The caption of every box in which the Options dialog refuses a value.
inline constexpr char kRetryCaption[] = QT_TRANSLATE_NOOP("COptionsDlg", "Retry");

// The Year View page's own check (Enter pressed in the page): the message of
// the first failing rule, empty when the two counts pass.
QString YearViewPageMessage(const QString& across, const QString& down);

// The check OK makes: the page's rules, and each count from 1 to 12, since
// the year view divides by each and shows one year at most.
QString YearViewLimitMessage(const QString& across, const QString& down);

// An optional sign and decimal digits that fit an int, blanks around allowed.
std::optional<int> ParseWholeNumber(const QString& text);

// Empty when `text` is a whole number of at least `minimum`, else the message.
QString WholeNumberMessage(const QString& text, int minimum);

// Empty when the marquee can read lines from `path` (or no file is named),
// else why not: a typed name is held to what a browsed file passes.
QString MarqueeFileMessage(const QString& path);
