// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DiaryIdentity.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"

namespace {
QString StoredIdentity(const CDiaryDatabase& diary) {
    QSqlQuery query(diary.Connection());
    if (!query.exec(QStringLiteral("SELECT Value FROM DiaryIdentity LIMIT 1")) || !query.next())
        return QString();
    return query.value(0).toString();
}

bool StoreIdentity(const CDiaryDatabase& diary, const QString& identity) {
    QSqlQuery query(diary.Connection());
    if (!query.exec(
            QStringLiteral("CREATE TABLE IF NOT EXISTS DiaryIdentity (Value TEXT NOT NULL)")))
        return false;
    query.prepare(QStringLiteral("INSERT INTO DiaryIdentity (Value) VALUES (?)"));
    query.addBindValue(identity);
    return query.exec();
}

QString PathIdentity(const CDiaryDatabase& diary) {
    const QString path = QFileInfo(diary.FilePath()).canonicalFilePath();
    return QString::fromLatin1(
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex());
}
}  // namespace

QString DiaryIdentity(const CDiaryDatabase& diary) {
    const QString stored = StoredIdentity(diary);
    if (!stored.isEmpty())
        return stored;
    const QString made = QUuid::createUuid().toString(QUuid::Id128);
    return StoreIdentity(diary, made) ? made : PathIdentity(diary);
}
