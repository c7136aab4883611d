// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextStream>

// What a terminal command gave back: its status and its two streams' text.
struct Captured {
    QString out;
    QString err;
    int status = -1;
};

// Runs `run(out, err)`, which returns the command's status, and keeps what it wrote.
template <typename Run>
Captured Capture(Run run) {
    Captured result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = run(out, err);
    out.flush();
    err.flush();
    return result;
}
