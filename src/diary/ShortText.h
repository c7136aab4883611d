// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <array>

// The start of a stored UTF-8 text as the UTF-16 characters the recordset's
// members would hold, made without allocating when the text is ASCII. Only the
// first kLength characters are kept, which tells a date key of eight
// characters from a longer value; the view's size is capped there.
class CShortText {
public:
    static constexpr qsizetype kLength = 9;

    explicit CShortText(QByteArrayView utf8);
    CShortText(const CShortText&) = delete;
    CShortText& operator=(const CShortText&) = delete;

    QStringView View() const { return m_view; }

private:
    std::array<char16_t, kLength> m_ascii{};
    QString m_decoded;
    QStringView m_view;
};
