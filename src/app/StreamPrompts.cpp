// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StreamPrompts.h"

// The caption only names the box; a terminal reader needs the text alone.
void CStreamPrompts::ShowMessage(const QString& text, const QString&) {
    m_stream << text;
    if (!text.endsWith(QLatin1Char('\n')))
        m_stream << '\n';
    m_stream.flush();
}
