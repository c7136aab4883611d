// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFileInfo>

#include "diary/DiaryError.h"
#include "diary/DiaryLocation.h"
#include "diary/DiaryRecordset.h"
#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"
#include "support/DiaryFiles.h"
#include "support/FakePrompts.h"
#include "support/SettingsFixture.h"

namespace {
constexpr int kMarch5 = 64;

class DiaryLocationTest : public SettingsFixture {
protected:
    QString Locate() { return LocateDiaryAtStartUp(store, prompts, dir.Path()); }

    FakePrompts prompts;
    QString defaultPath = dir.File(QStringLiteral("Diary.db"));
};

// A running copy holds the diary, an unreachable file cannot be opened: the
// user is asked for another file, and Cancel keeps the path.
TEST_F(DiaryLocationTest,
       FirstRunCreatesTheDefaultTheProbeKeepsOutOfAnOpenDiaryAndFileOpenSwitches) {
    EXPECT_EQ(Locate(), defaultPath);
    EXPECT_EQ(Stored(Key::DiaryName), defaultPath);
    EXPECT_EQ(QFileInfo(defaultPath).size(), 0);
    {
        CDiaryDatabase running(defaultPath);
        EXPECT_EQ(Locate(), defaultPath);
        ASSERT_EQ(prompts.fileRequests.size(), 1);
        EXPECT_TRUE(EnsureDiaryFileExists(defaultPath)) << "the command line still gets in";
    }
    const OpenFileRequest& asked = prompts.fileRequests[0];
    EXPECT_EQ(asked.filter + " | " + asked.defaultSuffix + " | " + asked.initialName,
              "database files (*.db) | db | *.db");
    const qint64 size = QFileInfo(defaultPath).size();
    EXPECT_EQ(Locate(), defaultPath);
    EXPECT_EQ(QFileInfo(defaultPath).size(), size);
    EXPECT_EQ(prompts.fileRequests.size(), 1);
    const QString missing = dir.File(QStringLiteral("no such folder/Diary.db"));
    Put(Key::DiaryName, missing);
    EXPECT_EQ(Locate(), missing);
    prompts.fileAnswers.append(defaultPath);
    EXPECT_EQ(Locate(), defaultPath);
    EXPECT_EQ(Stored(Key::DiaryName), defaultPath);
    // File > Open: Cancel changes nothing; a confirmed file is stored and the
    // index reloaded (the same file again too); an unusable one leaves no old
    // marks on show.
    const QString otherPath = dir.File(QStringLiteral("Other.db"));
    diaryfiles::CreateDiary(otherPath);
    diaryfiles::RawConnection(otherPath).Add({"05032007", "in the other diary"});
    CDiarySetHolder holder(store);
    CMonthIndex index;
    index.LoadMonthIndex(holder.GetDiarySet(), 3, 2007, false);
    diaryfiles::RawConnection(defaultPath).Add({"05032007", "not loaded yet"});
    const auto openOther = [&] {
        return OpenOtherDiary(store, prompts, holder, index, ShownPeriod{3, 2007, false});
    };
    EXPECT_FALSE(openOther());
    EXPECT_EQ(index.Mark(kMarch5), 0);
    const QString letter = dir.Write("letter.db", "Dear diary");
    prompts.fileAnswers = {defaultPath, otherPath, letter};
    EXPECT_TRUE(openOther());
    EXPECT_EQ(index.Mark(kMarch5), 1);
    diaryfiles::RawConnection(defaultPath).Exec(QStringLiteral("DELETE FROM Diary"));
    EXPECT_TRUE(openOther());
    EXPECT_EQ(Stored(Key::DiaryName), otherPath);
    EXPECT_EQ(index.Mark(kMarch5), 1);
    EXPECT_EQ(holder.GetDiarySet()->GetDefaultDBName(), otherPath);
    EXPECT_THROW(openOther(), CDatabaseError);
    EXPECT_EQ(Stored(Key::DiaryName), letter);
    EXPECT_EQ(index.Mark(kMarch5), 0);
    EXPECT_FALSE(holder.GetDiarySet()->IsOpen());
}
}  // namespace
