// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSqlQuery>

#include "diary/DiaryError.h"
#include "marquee/PromotionDiary.h"
#include "marquee/PromotionTable.h"
#include "support/TempDir.h"

// One row per client and product, updated in place; texts are data, never SQL.
TEST(PromotionTable, InsertsOneRowPerClientAndProductThenUpdatesIt) {
    TempDir dir;
    PromotionDiary diary(dir.File("Diary.db"));
    CPromotionTable table(diary.Connection());
    const QString quoted = "O'Brien's sale'); DROP TABLE Promotion; --";
    table.Save("acme", "desk", "first");
    const std::optional<qint64> id = table.FindId("acme", "desk");
    table.Save("acme", "desk", "second");
    table.Save("o'client", "desk", quoted);
    EXPECT_EQ(diary.RowCount(), 2);
    EXPECT_TRUE(id && table.FindId("acme", "desk") == id);
    EXPECT_EQ(table.FindText("acme", "desk"), "second");
    EXPECT_EQ(table.FindText("o'client", "desk"), quoted);
    EXPECT_EQ(table.FindText("nobody", "desk"), std::nullopt);
    QSqlQuery(diary.Connection()).exec("DROP TABLE Promotion");
    EXPECT_THROW(table.Save("acme", "desk", "text"), CDatabaseError);
}
