// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

// The messages a promotion server hands out, one per client and product,
// read from a UTF-8 text file of lines
//     clientid <TAB> productid <TAB> message
// where productid "*" serves every product of the client. Blank lines and
// lines starting with '#' are ignored.
class CPromoMessages {
public:
    // Replaces the table with the file's contents; false (table unchanged)
    // when the file cannot be read, with the reason in `error`.
    bool Load(const QString& path, QString* error);
    // The same from text already in memory; lines that are not three fields
    // are counted in BadLines() and skipped.
    void Parse(const QString& text);

    bool HasClient(const QString& clientId) const;
    // The message for the client and product; empty when there is none.
    QString Find(const QString& clientId, const QString& productId) const;
    int BadLines() const { return m_badLines; }

private:
    // Keyed by client, then product.
    QHash<QString, QHash<QString, QString>> m_messages;
    int m_badLines = 0;
};
