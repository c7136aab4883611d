// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QSet>

#include "diary/DiaryRecordset.h"
#include "support/DiaryFixture.h"

namespace {
const QString kHelper = QStringLiteral(DIARY_PROCESS_HELPER);

using DiaryProcessTest = DiaryFixture;

// Reads "N ID" lines until `adds` adds have returned, then kills the writer
// without warning. Returns the IDs of the adds that had returned, including
// those whose lines were still unread at the kill.
QSet<int> AddUntilKilled(const QString& path, int adds) {
    QProcess writer;
    writer.start(kHelper, {QStringLiteral("add"), path});
    QSet<int> returned;
    const auto readReturned = [&] {
        while (writer.canReadLine())
            returned.insert(writer.readLine().trimmed().split(' ').value(1).toInt());
    };
    QElapsedTimer clock;
    clock.start();
    while (returned.size() < adds && clock.elapsed() < 30000 && writer.waitForReadyRead(5000))
        readReturned();
    writer.kill();  // SIGKILL
    writer.waitForFinished();
    readReturned();
    EXPECT_EQ(writer.exitStatus(), QProcess::CrashExit);
    return returned;
}

TEST_F(DiaryProcessTest, WriterKilledMidLoopLeavesAnIntactDiaryWithEveryReturnedAdd) {
    QSet<int> returned;
    for (int adds : {30, 60, 100}) {
        returned.unite(AddUntilKilled(diaryPath, adds));
        diaryfiles::RawConnection raw(diaryPath);
        EXPECT_EQ(raw.Value(QStringLiteral("PRAGMA integrity_check")).toString(), "ok");
    }
    ASSERT_GE(returned.size(), 190);
    CDiaryRecordset set(store);
    set.Open();
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) returned.remove(set.m_ID);
    EXPECT_TRUE(returned.isEmpty()) << returned.size() << " added entries are gone";
}

// The lock of an open diary reaches another process's start-up probe.
TEST_F(DiaryProcessTest, OpenDiaryHereFailsTheOtherProcesssProbe) {
    const auto probe = [&] {
        QProcess prober;
        prober.start(kHelper, {QStringLiteral("probe"), diaryPath});
        EXPECT_TRUE(prober.waitForFinished(10000));
        return prober.readAllStandardOutput().trimmed();
    };
    {
        CDiaryDatabase open(diaryPath);
        EXPECT_EQ(probe(), "busy");
    }
    EXPECT_EQ(probe(), "free");
}
}  // namespace
