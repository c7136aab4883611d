// SPDX-License-Identifier: GPL-3.0-or-later
#include "marquee/MarqueeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "marquee/TextDecoding.h"

namespace {

const QByteArray kUtf8ByteOrderMark("\xEF\xBB\xBF");

QString OpenErrorText(const QString& path, const QString& reason) {
    if (path.isEmpty())
        return QCoreApplication::translate(
            "CViewMarquee",
            "The marquee is set to show lines from a file, but no file has been chosen.");
    return QCoreApplication::translate("CViewMarquee",
                                       "The marquee file \"%1\" cannot be read:\n%2")
        .arg(path, reason);
}

// Reads up to the next LF (or the end of the file), keeping at most
// kMaxMarqueeLineBytes; returns how many bytes were passed, line end included.
qint64 ReadRawLine(QFile& file, QByteArray& line) {
    qint64 consumed = 0;
    while (!file.atEnd()) {
        const QByteArray chunk = file.readLine(kMaxMarqueeLineBytes);
        if (chunk.isEmpty())
            break;
        consumed += chunk.size();
        if (line.size() < kMaxMarqueeLineBytes)
            line.append(chunk.left(kMaxMarqueeLineBytes - line.size()));
        if (chunk.endsWith('\n'))
            break;
    }
    return consumed;
}

QByteArray WithoutLineEnd(QByteArray line) {
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

// Reads the line at `position`, skipping the byte-order mark when the line is
// the first one; returns false at the end of the file.
bool ReadLineAt(QFile& file, qint64 position, MarqueeLineRead& result) {
    if (position >= file.size() || !file.seek(position))
        return false;
    qint64 start = position;
    if (position == 0 && file.peek(kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
        start = kUtf8ByteOrderMark.size();
        file.seek(start);
    }
    QByteArray line;
    const qint64 consumed = ReadRawLine(file, line);
    if (consumed == 0)
        return false;
    result.text = DecodeEightBitText(WithoutLineEnd(line));
    result.nextPosition = start + consumed;
    return true;
}

}  // namespace

MarqueeLineRead ReadMarqueeLine(const QString& path, qint64 position) {
    MarqueeLineRead result;
    // Opening a FIFO waits for a writer, and a device never ends: only a
    // regular file is read.
    const QFileInfo info(path);
    if (!path.isEmpty() && info.exists() && !info.isFile()) {
        result.error = OpenErrorText(
            path, QCoreApplication::translate("CViewMarquee", "It is not a regular file."));
        result.nextPosition = position;
        return result;
    }
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        result.error = OpenErrorText(path, file.errorString());
        result.nextPosition = position;
        return result;
    }
    result.ok = true;
    if (ReadLineAt(file, std::max<qint64>(position, 0), result))
        return result;
    // At or past the end: start over at the first line; an empty file gives
    // an empty text and stays at 0.
    if (!ReadLineAt(file, 0, result)) {
        result.text.clear();
        result.nextPosition = 0;
    }
    return result;
}
