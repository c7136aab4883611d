// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Text from an 8-bit source (a marquee file line, a server reply): UTF-8 when
// the bytes are valid UTF-8, otherwise Windows-1252, the code page such files
// were written in before UTF-8. An incomplete UTF-8 sequence at the very end
// (a reply cut at its byte limit) is dropped rather than making the whole
// text fall back to Windows-1252.
QString DecodeEightBitText(const QByteArray& bytes);

// Windows-1252 to Unicode for every byte (the five unassigned bytes map to
// the C1 control of the same value, as Windows itself does).
QString DecodeWindows1252(const QByteArray& bytes);
