// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StreamPrompts.h"

void CStreamPrompts::ShowMessage(const QString& text, const QString& caption) {
    m_stream << "plenda: " << caption << ": " << text << "\n";
    m_stream.flush();
}
