// SPDX-License-Identifier: GPL-3.0-or-later
#include "marquee/PromotionDiary.h"

#include <QFile>
#include <QSqlQuery>
#include <QVariant>

#include "diary/DiaryDatabase.h"

namespace {

// The diary opens only files that exist; a new empty file gets its tables.
QString CreateEmptyFile(const QString& filePath) {
    QFile file(filePath);
    file.open(QIODevice::WriteOnly);
    return filePath;
}

}  // namespace

PromotionDiary::PromotionDiary(const QString& filePath)
    : m_diary(std::make_unique<CDiaryDatabase>(CreateEmptyFile(filePath))) {}

PromotionDiary::~PromotionDiary() = default;

QSqlDatabase PromotionDiary::Connection() const {
    return m_diary->Connection();
}

int PromotionDiary::RowCount() const {
    QSqlQuery query(Connection());
    query.exec(QStringLiteral("SELECT count(*) FROM Promotion"));
    return query.next() ? query.value(0).toInt() : -1;
}

QString PromotionDiary::OnlyText() const {
    QSqlQuery query(Connection());
    query.exec(QStringLiteral("SELECT promotext FROM Promotion ORDER BY ID"));
    return query.next() ? query.value(0).toString() : QString();
}
