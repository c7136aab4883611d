// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniText.h"

#include <optional>

namespace {

// The one-character escapes and what they stand for.
constexpr char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};

std::optional<char> SimpleEscape(char code) {
    for (const auto& escape : kEscapes) {
        if (escape[0] == code)
            return escape[1];
    }
    return std::nullopt;
}

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

bool IsHexDigit(char16_t c) {
    return c < 0x80 && DigitValue(static_cast<char>(c), 16) >= 0;
}

// Decodes the escape whose code starts at raw[i] (after the backslash);
// moves i past it. False when the backslash starts no escape.
bool DecodeEscape(QByteArrayView raw, qsizetype& i, QString& out) {
    if (i >= raw.size())
        return false;
    const char code = raw[i];
    if (const std::optional<char> simple = SimpleEscape(code)) {
        out += QLatin1Char(*simple);
        ++i;
        return true;
    }
    const int base = code == 'x' ? 16 : 8;
    qsizetype digit = code == 'x' ? i + 1 : i;
    if (digit >= raw.size() || DigitValue(raw[digit], base) < 0)
        return false;
    char16_t value = 0;
    for (; digit < raw.size() && DigitValue(raw[digit], base) >= 0; ++digit)
        value = static_cast<char16_t>(value * base + DigitValue(raw[digit], base));
    out += QChar(value);
    i = digit;
    return true;
}

// Removes blanks the writer would never leave unquoted at the end.
void ChopTrailingBlanks(QString& text, qsizetype keep) {
    qsizetype end = text.size();
    while (end > keep && (text[end - 1] == QLatin1Char(' ') || text[end - 1] == QLatin1Char('\t')))
        --end;
    text.truncate(end);
}

struct Decoded {
    QString text;
    bool foreign = false;  // something the writer never produces
    bool openQuote = false;
};

Decoded DecodeWritten(QByteArrayView raw) {
    Decoded result;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype keep = 0;  // decoded text that trailing-blank chopping must keep
    qsizetype i = 0;
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) ++i;
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            ++i;
            if (!DecodeEscape(raw, i, result.text)) {
                result.foreign = true;
                return result;
            }
            keep = result.text.size();
        } else if (c == '"') {
            inQuotes = !inQuotes;
            quoted = true;
            ++i;
            keep = result.text.size();
        } else if (!inQuotes && (c == ',' || c == ';')) {
            result.foreign = true;
            return result;
        } else {
            qsizetype end = i + 1;
            while (end < raw.size() && raw[end] != '\\' && raw[end] != '"' && raw[end] != ',' &&
                   raw[end] != ';')
                ++end;
            result.text += QString::fromUtf8(raw.sliced(i, end - i));
            if (inQuotes)
                keep = result.text.size();
            i = end;
        }
    }
    result.openQuote = inQuotes;
    if (!quoted)
        ChopTrailingBlanks(result.text, keep);
    return result;
}

bool NeedsEscape(char16_t c) {
    return c < 0x20 || c == '"' || c == '\\';
}

bool RunNeedsQuotes(QStringView run) {
    return run.contains(u';') || run.contains(u',') || run.contains(u'=');
}

void AppendHex(QByteArray& out, char16_t c) {
    out += "\\x" + QByteArray::number(c, 16);
}

}  // namespace

IniValue ReadIniValue(QByteArrayView raw) {
    const Decoded decoded = DecodeWritten(raw);
    if (decoded.foreign)
        return {IniValue::Form::HandWritten, QString::fromUtf8(raw).trimmed()};
    if (decoded.openQuote)
        return {IniValue::Form::Unreadable, QString()};
    // A text starting with '@' is written with a second one, which marks it
    // as text rather than an encoded value.
    if (decoded.text.startsWith(QLatin1String("@@")))
        return {IniValue::Form::Written, decoded.text.mid(1)};
    return {IniValue::Form::Written, decoded.text};
}

QByteArray WriteIniValue(const QString& text) {
    const QString value = text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    QByteArray out;
    bool needsQuotes = false;
    bool escapeHexDigit = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        needsQuotes = needsQuotes || c == ';' || c == ',' || c == '=';
        // A hex digit right after a numeric escape would join it.
        if (escapeHexDigit && IsHexDigit(c)) {
            AppendHex(out, c);
            continue;
        }
        escapeHexDigit = false;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\a' || c == '\b' || c == '\f' || c == '\n' || c == '\r' || c == '\t' ||
                   c == '\v') {
            out += '\\';
            out += "abtnvfr"[QByteArrayView("\a\b\t\n\v\f\r").indexOf(static_cast<char>(c))];
        } else if (c < 0x20) {
            AppendHex(out, c);
            escapeHexDigit = true;
        } else {
            // A run of characters that need no escape goes over in one piece.
            qsizetype end = i + 1;
            while (end < value.size() && !NeedsEscape(value[end].unicode())) ++end;
            out += QStringView(value).sliced(i, end - i).toUtf8();
            needsQuotes = needsQuotes || RunNeedsQuotes(QStringView(value).sliced(i, end - i));
            i = end - 1;
        }
    }
    if (needsQuotes || value.startsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char(' ')))
        return '"' + out + '"';
    return out;
}

QString ReadIniName(QByteArrayView raw) {
    QString name;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        const bool wide = c == '%' && i + 1 < raw.size() && raw[i + 1] == 'U';
        const qsizetype digits = wide ? 4 : 2;
        const qsizetype start = wide ? i + 2 : i + 1;
        bool ok = c == '%' && start + digits <= raw.size();
        const uint code = ok ? raw.sliced(start, digits).toByteArray().toUInt(&ok, 16) : 0;
        if (ok) {
            name += QChar(static_cast<char16_t>(code));
            i = start + digits - 1;
        } else {
            name += c == '\\' ? QLatin1Char('/') : QLatin1Char(c);
        }
    }
    return name;
}

QByteArray WriteIniName(const QString& name) {
    QByteArray out;
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (c == '/')
            out += '\\';
        else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                 c == '_' || c == '-' || c == '.')
            out += static_cast<char>(c);
        else if (c <= 0xFF)
            out += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        else
            out += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
    }
    return out;
}
