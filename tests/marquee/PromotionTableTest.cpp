// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "diary/DiaryError.h"
#include "marquee/PromotionTable.h"
#include "support/DiaryFixture.h"

using PromotionTable = DiaryFixture;

// One row per client and product, updated in place; texts are data, never SQL.
TEST_F(PromotionTable, InsertsOneRowPerClientAndProductThenUpdatesIt) {
    CDiaryDatabase diary(diaryPath);
    CPromotionTable table(diary.Connection());
    const QString quoted = "O'Brien's sale'); DROP TABLE Promotion; --";
    table.Save("acme", "desk", "first");
    const std::optional<qint64> id = table.FindId("acme", "desk");
    table.Save("acme", "desk", "second");
    table.Save("o'client", "desk", quoted);
    diaryfiles::RawConnection raw(diaryPath);
    EXPECT_EQ(raw.Value("SELECT count(*) FROM Promotion").toInt(), 2);
    EXPECT_TRUE(id && table.FindId("acme", "desk") == id);
    EXPECT_EQ(table.FindText("acme", "desk"), "second");
    EXPECT_EQ(table.FindText("o'client", "desk"), quoted);
    EXPECT_EQ(table.FindText("nobody", "desk"), std::nullopt);
    raw.Exec("DROP TABLE Promotion");
    EXPECT_THROW(table.Save("acme", "desk", "text"), CDatabaseError);
}
