// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/IcsLines.h"

#include <QCoreApplication>

#include "interop/IcsError.h"

namespace {
// Far beyond any real property, short of what would exhaust memory.
constexpr qsizetype kLongestLine = 1 << 20;

bool IsContinuation(char c) {
    return c == ' ' || c == '\t';
}
}  // namespace

CIcsLines::CIcsLines(const QByteArray& text, qsizetype begin, qsizetype end, int firstNumber,
                     const QString& fileName)
    : m_text(text), m_pos(begin), m_end(end), m_number(firstNumber), m_fileName(fileName) {}

QByteArrayView CIcsLines::PhysicalLine() {
    const qsizetype newline = m_text.indexOf('\n', m_pos);
    const qsizetype stop = newline < 0 || newline > m_end ? m_end : newline;
    QByteArrayView line(m_text.constData() + m_pos, stop - m_pos);
    m_pos = stop < m_end ? stop + 1 : m_end;
    ++m_number;
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

bool CIcsLines::Next(IcsLine& line) {
    while (m_pos < m_end) {
        line.number = m_number;
        // Refilled in place: a large file has millions of lines.
        line.text.resize(0);
        line.text.append(PhysicalLine());
        while (m_pos < m_end && IsContinuation(m_text[m_pos]) && line.text.size() <= kLongestLine)
            line.text += PhysicalLine().sliced(1);
        if (line.text.size() > kLongestLine)
            throw IcsFault(
                m_fileName, line.number,
                QCoreApplication::translate("CCalendarTransfer", "the line is too long"));
        if (line.text.contains('\0'))
            throw IcsFault(
                m_fileName, line.number,
                QCoreApplication::translate("CCalendarTransfer", "the line holds a NUL byte"));
        if (!line.text.trimmed().isEmpty())
            return true;
    }
    return false;
}
