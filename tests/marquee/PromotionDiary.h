#pragma once

#include <QSqlDatabase>
#include <QString>

// An SQLite file with the diary's `Promotion` table, on a connection of its
// own, for tests of the promotion message.
class PromotionDiary {
public:
    explicit PromotionDiary(const QString& filePath);
    ~PromotionDiary();
    PromotionDiary(const PromotionDiary&) = delete;
    PromotionDiary& operator=(const PromotionDiary&) = delete;

    QSqlDatabase Connection() const { return QSqlDatabase::database(m_name); }
    // How many rows the table holds, and the text of the only one (if one).
    int RowCount() const;
    QString OnlyText() const;

private:
    QString m_name;
};
