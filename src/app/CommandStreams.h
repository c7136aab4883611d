// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextStream>

// Where a command writes: what it was asked for on `out`, every complaint on
// `err`.
struct CommandStreams {
    QTextStream& out;
    QTextStream& err;
};

// Exit statuses shared by every command.
inline constexpr int kCommandDone = 0;
inline constexpr int kCommandFailed = 1;
inline constexpr int kBadArguments = 2;
