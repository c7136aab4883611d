// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// One content line with its folded continuations joined, and the number of
// the physical line it starts on.
struct IcsLine {
    QByteArray text;
    int number = 0;
};

// The content lines of part of a file, read one at a time: CR LF or LF
// endings, folded lines unfolded, blank lines passed over. A line too long
// or holding a NUL byte throws CIcsError.
class CIcsLines {
public:
    CIcsLines(const QByteArray& text, qsizetype begin, qsizetype end, int firstNumber,
              const QString& fileName);

    // False after the last line.
    bool Next(IcsLine& line);
    // Where the line after the one last read begins.
    qsizetype Offset() const { return m_pos; }
    int NextNumber() const { return m_number; }

private:
    QByteArrayView PhysicalLine();

    const QByteArray& m_text;
    qsizetype m_pos;
    qsizetype m_end;
    int m_number;
    QString m_fileName;
};
