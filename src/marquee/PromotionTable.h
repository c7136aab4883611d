// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

// Table `Promotion` of the diary: the last message fetched for each client
// and product, one row each. Every value reaches SQL as a bound parameter,
// so a message holding a quote is stored as it is.
class CPromotionTable {
public:
    explicit CPromotionTable(QSqlDatabase database);

    // The row's ID for the client and product, when there is one.
    std::optional<qint64> FindId(const QString& clientId, const QString& productId) const;
    std::optional<QString> FindText(const QString& clientId, const QString& productId) const;
    // Updates the client's and product's row, or inserts one. Throws
    // CDatabaseError when the database refuses.
    void Save(const QString& clientId, const QString& productId, const QString& text);

private:
    QSqlDatabase m_database;
};
