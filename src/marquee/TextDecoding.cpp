// SPDX-License-Identifier: GPL-3.0-or-later
#include "marquee/TextDecoding.h"

#include <QStringDecoder>
#include <array>
#include <optional>

namespace {

// Bytes 0x80 to 0x9F; the rest of Windows-1252 equals Latin-1.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of a UTF-8 sequence its lead byte announces; 0 for a byte that
// cannot lead one.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

// How many bytes at the end form the start of a sequence that was cut off.
qsizetype TruncatedTailLength(const QByteArray& bytes) {
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if (IsContinuationByte(byte))
            continue;
        const int needed = SequenceLength(byte);
        return needed > back ? back : 0;
    }
    return 0;
}

std::optional<QString> DecodeStrictUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

}  // namespace

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char raw : bytes) {
        const auto byte = static_cast<unsigned char>(raw);
        const bool inHighTable = byte >= 0x80 && byte <= 0x9F;
        text.append(QChar(inHighTable ? kWindows1252High[byte - 0x80] : char16_t(byte)));
    }
    return text;
}

QString DecodeEightBitText(const QByteArray& bytes) {
    if (std::optional<QString> text = DecodeStrictUtf8(bytes))
        return *text;
    const qsizetype tail = TruncatedTailLength(bytes);
    if (tail > 0) {
        if (std::optional<QString> text = DecodeStrictUtf8(bytes.left(bytes.size() - tail)))
            return *text;
    }
    return DecodeWindows1252(bytes);
}
