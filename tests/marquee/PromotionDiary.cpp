#include "marquee/PromotionDiary.h"

#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <stdexcept>

PromotionDiary::PromotionDiary(const QString& filePath)
    : m_name(QStringLiteral("promotion-test-") + QUuid::createUuid().toString(QUuid::Id128)) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(filePath);
    QSqlQuery create(db);
    if (!db.open() || !create.exec(QStringLiteral(
                          "CREATE TABLE Promotion (ID INTEGER PRIMARY KEY "
                          "AUTOINCREMENT, clientid TEXT, productid TEXT, promotext TEXT)")))
        throw std::runtime_error("cannot create the test diary");
}

PromotionDiary::~PromotionDiary() {
    QSqlDatabase::database(m_name, false).close();
    QSqlDatabase::removeDatabase(m_name);
}

int PromotionDiary::RowCount() const {
    QSqlQuery query(Connection());
    query.exec(QStringLiteral("SELECT count(*) FROM Promotion"));
    return query.next() ? query.value(0).toInt() : -1;
}

QString PromotionDiary::OnlyText() const {
    QSqlQuery query(Connection());
    query.exec(QStringLiteral("SELECT promotext FROM Promotion"));
    return query.next() ? query.value(0).toString() : QString();
}
