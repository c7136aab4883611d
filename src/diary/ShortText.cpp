// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/ShortText.h"

#include <algorithm>

CShortText::CShortText(QByteArrayView utf8) {
    const qsizetype size = std::min(utf8.size(), kLength);
    bool ascii = true;
    for (qsizetype i = 0; i < size && ascii; ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        ascii = byte < 0x80;
        m_ascii[static_cast<std::size_t>(i)] = byte;
    }
    if (ascii) {
        m_view = QStringView(m_ascii.data(), size);
        return;
    }
    // A multi-byte character changes the count; decode as the members do.
    m_decoded = QString::fromUtf8(utf8);
    m_view = QStringView(m_decoded).left(kLength);
}
