// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/SqliteRows.h"

#include <sqlite3.h>
#include <QCoreApplication>

#include <QSqlDriver>

#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"

namespace {
sqlite3* HandleOf(const CDiaryDatabase& database) {
    const QVariant handle = database.Connection().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw CDatabaseError(
            QCoreApplication::translate("Diary", "The diary %1 is not an SQLite connection.")
                .arg(database.FilePath()));
    return *static_cast<sqlite3* const*>(handle.constData());
}
}  // namespace

CSqliteRows::CSqliteRows(const CDiaryDatabase& database, const QString& sql,
                         const QVariantList& values)
    : m_database(database), m_handle(HandleOf(database)) {
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(static_cast<sqlite3*>(m_handle), text.constData(),
                           static_cast<int>(text.size()), &m_statement, nullptr) != SQLITE_OK)
        Fail(QCoreApplication::translate("Diary", "prepare a query"));
    Bind(values);
}

CSqliteRows::~CSqliteRows() {
    sqlite3_finalize(m_statement);
}

void CSqliteRows::Bind(const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& value = values[i];
        int result = SQLITE_OK;
        if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
            result = sqlite3_bind_int64(m_statement, i + 1, value.toLongLong());
        } else {
            const QByteArray utf8 = value.toString().toUtf8();
            result = sqlite3_bind_text(m_statement, i + 1, utf8.constData(),
                                       static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        }
        if (result != SQLITE_OK)
            Fail(QCoreApplication::translate("Diary", "prepare a query"));
    }
}

bool CSqliteRows::Next() {
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        Fail(QCoreApplication::translate("Diary", "read the diary entries"));
    return false;
}

void CSqliteRows::RunAgain(const QVariantList& values) {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    Bind(values);
    if (sqlite3_step(m_statement) != SQLITE_DONE)
        Fail(QCoreApplication::translate("Diary", "write the diary entries"));
}

int CSqliteRows::Int(int column) const {
    return sqlite3_column_int(m_statement, column);
}

qint64 CSqliteRows::Int64(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

QByteArrayView CSqliteRows::Bytes(int column) const {
    // The text first: the byte count is of the value as converted to text.
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    if (!text)
        return {};
    return QByteArrayView(text, sqlite3_column_bytes(m_statement, column));
}

QString CSqliteRows::Text(int column) const {
    const QByteArrayView bytes = Bytes(column);
    return bytes.isNull() ? QString() : QString::fromUtf8(bytes);
}

// As a text "0" and "false" are false, as Qt reads them; numbers by value.
bool CSqliteRows::Flag(int column) const {
    switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_NULL:
            return false;
        case SQLITE_INTEGER:
            return sqlite3_column_int64(m_statement, column) != 0;
        case SQLITE_FLOAT:
            return sqlite3_column_double(m_statement, column) != 0.0;
        default:
            return QVariant(Text(column)).toBool();
    }
}

void CSqliteRows::Fail(const QString& action) const {
    throw CDatabaseError(m_database.Describe(
        action, QString::fromUtf8(sqlite3_errmsg(static_cast<sqlite3*>(m_handle)))));
}
