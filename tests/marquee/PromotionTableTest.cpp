#include <gtest/gtest.h>

#include <QSqlQuery>

#include "diary/DiaryError.h"
#include "marquee/PromotionDiary.h"
#include "marquee/PromotionTable.h"
#include "support/TempDir.h"

TEST(PromotionTable, InsertsOneRowPerClientAndProductThenUpdatesIt) {
    TempDir dir;
    PromotionDiary diary(dir.File("Diary.db"));
    CPromotionTable table(diary.Connection());
    table.Save("acme", "desk", "first");
    const std::optional<qint64> id = table.FindId("acme", "desk");
    ASSERT_TRUE(id);
    table.Save("acme", "desk", "second");
    table.Save("acme", "wall", "other product");
    EXPECT_EQ(diary.RowCount(), 2);
    EXPECT_EQ(table.FindId("acme", "desk"), id);
    EXPECT_EQ(table.FindText("acme", "desk"), "second");
    EXPECT_EQ(table.FindText("acme", "wall"), "other product");
    EXPECT_EQ(table.FindText("nobody", "desk"), std::nullopt);
}

TEST(PromotionTable, QuotesAndSqlLookalikesAreStoredAsTheyAre) {
    TempDir dir;
    PromotionDiary diary(dir.File("Diary.db"));
    CPromotionTable table(diary.Connection());
    const QString text = "O'Brien's sale'); DROP TABLE Promotion; --";
    table.Save("o'client", "desk", text);
    EXPECT_EQ(table.FindText("o'client", "desk"), text);
    EXPECT_EQ(diary.RowCount(), 1);
}

TEST(PromotionTable, MissingTableIsADatabaseError) {
    TempDir dir;
    PromotionDiary diary(dir.File("Diary.db"));
    QSqlQuery(diary.Connection()).exec("DROP TABLE Promotion");
    CPromotionTable table(diary.Connection());
    EXPECT_THROW(table.Save("acme", "desk", "text"), CDatabaseError);
}
