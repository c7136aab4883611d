// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <stdexcept>

#include "diary/DiaryDatabase.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

// Real diary files for tests: created through the program's own database
// class, filled with rows the way another program might write them.
namespace diaryfiles {

struct Entry {
    QVariant date;
    QVariant message;
    QVariant sound = QString();
    QVariant holiday = 0;
    QVariant time = QStringLiteral("0000");
    QVariant nag = 0;
};

// An empty diary with both tables at `path`.
inline void CreateDiary(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot create the test diary");
    file.close();
    CDiaryDatabase created(path);
}

// Runs statements on a connection of its own, as another program would.
class RawConnection {
public:
    explicit RawConnection(const QString& path)
        : m_name(QStringLiteral("raw-%1").arg(reinterpret_cast<quintptr>(this))) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        if (!db.open())
            throw std::runtime_error("cannot open the test diary");
    }
    ~RawConnection() {
        QSqlDatabase::database(m_name).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    void Exec(const QString& sql, const QVariantList& values = {}) {
        QSqlQuery query(QSqlDatabase::database(m_name));
        query.prepare(sql);
        for (const QVariant& value : values) query.addBindValue(value);
        if (!query.exec())
            throw std::runtime_error(query.lastError().text().toStdString());
    }
    QVariant Value(const QString& sql) {
        QSqlQuery query(QSqlDatabase::database(m_name));
        if (!query.exec(sql) || !query.next())
            return {};
        return query.value(0);
    }
    void Add(const Entry& e) {
        Exec(QStringLiteral("INSERT INTO Diary (EventDate, EventDescription, EventSound, "
                            "PubHoliday, Nag, EventTime) VALUES (?, ?, ?, ?, ?, ?)"),
             {e.date, e.message, e.sound, e.holiday, e.nag, e.time});
    }

private:
    QString m_name;
};

inline void PointSettingsAt(CSettingsStore& store, const QString& path) {
    store.WriteText(QStringLiteral("Settings"), KeyName(Key::DiaryName), path);
}

}  // namespace diaryfiles
