// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The outcome of reading one line of the marquee file.
struct MarqueeLineRead {
    bool ok = false;
    QString text;             // the line without its line end
    qint64 nextPosition = 0;  // byte offset at which the following line starts
    QString error;            // a message naming the file, when !ok
};

// Reads the line that starts at byte `position` of the file at `path`,
// starting over at the first line when `position` is at or past the end.
// The next position is the true byte offset of the following line, whatever
// the line ends (CR LF or LF), so a file never drifts into the middle of a
// line and an empty line is passed like any other. A UTF-8 byte-order mark
// at the start of the file is skipped. Lines are decoded with
// DecodeEightBitText. A file that cannot be opened gives !ok and an error
// text; the caller keeps its position and text.
MarqueeLineRead ReadMarqueeLine(const QString& path, qint64 position);

// The longest line kept, in bytes; the rest of a longer line is passed over.
inline constexpr qint64 kMaxMarqueeLineBytes = 64 * 1024;
