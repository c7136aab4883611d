// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <memory>

class CDiaryDatabase;

// A new diary file (with its `Promotion` table) for tests of the promotion
// message, with the counts those tests check.
class PromotionDiary {
public:
    explicit PromotionDiary(const QString& filePath);
    ~PromotionDiary();

    QSqlDatabase Connection() const;
    // How many rows the table holds, and the text of the first one.
    int RowCount() const;
    QString OnlyText() const;

private:
    std::unique_ptr<CDiaryDatabase> m_diary;
};
