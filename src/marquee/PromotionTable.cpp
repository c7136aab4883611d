// SPDX-License-Identifier: GPL-3.0-or-later
#include "marquee/PromotionTable.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "diary/DiaryError.h"

namespace {

QString Failure(const QString& action, const QSqlQuery& query) {
    return QCoreApplication::translate("Diary",
                                       "The promotion message could not be %1 in the diary:\n%2")
        .arg(action, query.lastError().text());
}

void Run(QSqlQuery& query, const QString& action) {
    if (!query.exec())
        throw CDatabaseError(Failure(action, query));
}

QSqlQuery LookUp(const QSqlDatabase& database, const QString& columns, const QString& clientId,
                 const QString& productId) {
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT %1 FROM Promotion WHERE clientid = ? AND productid = ?")
                      .arg(columns));
    query.addBindValue(clientId);
    query.addBindValue(productId);
    Run(query, QCoreApplication::translate("Diary", "read"));
    return query;
}

}  // namespace

CPromotionTable::CPromotionTable(QSqlDatabase database) : m_database(std::move(database)) {}

std::optional<qint64> CPromotionTable::FindId(const QString& clientId,
                                              const QString& productId) const {
    QSqlQuery query = LookUp(m_database, QStringLiteral("ID"), clientId, productId);
    if (!query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

std::optional<QString> CPromotionTable::FindText(const QString& clientId,
                                                 const QString& productId) const {
    QSqlQuery query = LookUp(m_database, QStringLiteral("promotext"), clientId, productId);
    if (!query.next())
        return std::nullopt;
    return query.value(0).toString();
}

void CPromotionTable::Save(const QString& clientId, const QString& productId, const QString& text) {
    QSqlQuery query(m_database);
    if (const std::optional<qint64> id = FindId(clientId, productId)) {
        query.prepare(QStringLiteral("UPDATE Promotion SET promotext = ? WHERE ID = ?"));
        query.addBindValue(text);
        query.addBindValue(*id);
        Run(query, QCoreApplication::translate("Diary", "updated"));
        return;
    }
    query.prepare(
        QStringLiteral("INSERT INTO Promotion (clientid, productid, promotext) VALUES (?, ?, ?)"));
    query.addBindValue(clientId);
    query.addBindValue(productId);
    query.addBindValue(text);
    Run(query, QCoreApplication::translate("Diary", "stored"));
}
