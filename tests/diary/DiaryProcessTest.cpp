// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QSet>

#include "diary/DiaryDatabase.h"
#include "diary/DiaryLocation.h"
#include "diary/DiaryRecordset.h"
#include "settings/SettingsStore.h"
#include "support/DiaryFiles.h"
#include "support/FakePrompts.h"
#include "support/TempDir.h"

namespace {
const QString kHelper = QStringLiteral(DIARY_PROCESS_HELPER);

class DiaryProcessTest : public ::testing::Test {
protected:
    DiaryProcessTest() { diaryfiles::CreateDiary(path); }

    TempDir dir;
    QString path = dir.File(QStringLiteral("Diary.db"));
};

// Reads "N ID" lines until `adds` adds have returned, then kills the writer
// without warning. Returns the IDs of the adds that had returned.
QSet<int> AddUntilKilled(const QString& path, int adds) {
    QProcess writer;
    writer.start(kHelper, {QStringLiteral("add"), path});
    EXPECT_TRUE(writer.waitForStarted());
    QSet<int> returned;
    QElapsedTimer clock;
    clock.start();
    while (returned.size() < adds && clock.elapsed() < 30000) {
        if (!writer.canReadLine() && !writer.waitForReadyRead(5000))
            break;
        while (writer.canReadLine()) {
            const QList<QByteArray> words = writer.readLine().trimmed().split(' ');
            if (words.size() == 2)
                returned.insert(words[1].toInt());
        }
    }
    writer.kill();  // SIGKILL
    writer.waitForFinished();
    // Lines written before the kill but not yet read name adds that returned too.
    while (writer.canReadLine()) {
        const QList<QByteArray> words = writer.readLine().trimmed().split(' ');
        if (words.size() == 2)
            returned.insert(words[1].toInt());
    }
    EXPECT_EQ(writer.exitStatus(), QProcess::CrashExit);
    return returned;
}

TEST_F(DiaryProcessTest, WriterKilledMidLoopLeavesAnIntactDiaryWithEveryReturnedAdd) {
    QSet<int> returned;
    for (int adds : {30, 60, 100}) {
        returned.unite(AddUntilKilled(path, adds));
        diaryfiles::RawConnection raw(path);
        EXPECT_EQ(raw.Value(QStringLiteral("PRAGMA integrity_check")).toString(), "ok");
    }
    ASSERT_GE(returned.size(), 190);
    CSettingsStore settings(dir.SettingsFile());
    CDiaryRecordset set(settings);
    set.OpenFile(path);
    QSet<int> stored;
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) stored.insert(set.m_ID);
    for (int id : returned)
        EXPECT_TRUE(stored.contains(id)) << "entry " << id << " was added but is gone";
}

TEST_F(DiaryProcessTest, ProbeFailsWhileAnotherProcessHoldsTheDiary) {
    QProcess holder;
    holder.start(kHelper, {QStringLiteral("hold"), path});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_EQ(holder.readLine().trimmed(), "ready");

    EXPECT_FALSE(ProbeDiaryFile(path));
    CSettingsStore settings(dir.SettingsFile());
    diaryfiles::PointSettingsAt(settings, path);
    FakePrompts prompts;
    LocateDiaryAtStartUp(settings, prompts, dir.Path());
    EXPECT_EQ(prompts.fileRequests.size(), 1) << "the second copy asks for another file";

    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_EQ(holder.exitCode(), 0);
    EXPECT_TRUE(ProbeDiaryFile(path));
}

TEST_F(DiaryProcessTest, OpenDiaryHereFailsTheOtherProcesssProbe) {
    const auto probe = [&] {
        QProcess prober;
        prober.start(kHelper, {QStringLiteral("probe"), path});
        EXPECT_TRUE(prober.waitForFinished(10000));
        return prober.readAllStandardOutput().trimmed();
    };
    {
        CDiaryDatabase open(path);
        EXPECT_EQ(probe(), "busy");
    }
    EXPECT_EQ(probe(), "free");
}
}  // namespace
