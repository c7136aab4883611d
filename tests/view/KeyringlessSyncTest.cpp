// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "platform/Keyring.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/SettingsFixture.h"
#include "view/ViewSync.h"

// Run on a private session bus with no keyring service: the window asks for
// the password once and keeps it, and closing it ends a sync in progress at
// once, against a scripted server that answers nothing useful or nothing.
class KeyringlessSyncTest : public SettingsFixture {
protected:
    void SetUp() override {
        qunsetenv("PLENDA_CALDAV_PASSWORD");
        server.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(MISBEHAVING_SERVER)});
        ASSERT_TRUE(server.waitForReadyRead(10000));
        port = server.readLine().trimmed().toInt();
        diaryfiles::CreateDiary(dir.File(QStringLiteral("Diary.db")));
        Put(Key::CalDavUser, QStringLiteral("alice"));
    }
    void Aim(const char* path) {
        Put(Key::CalDavUrl, QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path));
    }

    QProcess server;  // killed with the fixture
    int port = 0;
    FakeClock clock;
    QStringList told;
    QStringList asked;
};

TEST_F(KeyringlessSyncTest, AsksOnceKeepsItAndClosingCancels) {
    EXPECT_TRUE(keyring::WritePassword(QStringLiteral("a"), QStringLiteral("p"))
                    .startsWith("No keyring is running"));
    CViewSync::Hooks hooks;
    hooks.diaryPath = [this] { return dir.File(QStringLiteral("Diary.db")); };
    hooks.tell = [this](const QString& text, const QString&) { told << text; };
    hooks.askPassword = [this](const QString& why) {
        return asked << why, QStringLiteral("typed");
    };
    auto sync = std::make_unique<CViewSync>(settings, clock, std::move(hooks));
    QSignalSpy ended(sync.get(), &CViewSync::SyncEnded);

    Aim("/echo");
    for (int round = 0; round < 2; ++round) {
        sync->Request(SyncTrigger::Manual);
        ASSERT_TRUE(ended.wait(10000));
    }
    ASSERT_EQ(asked.size(), 1) << "the typed password lasts the session";
    EXPECT_TRUE(asked.first().startsWith("No keyring is running")) << qPrintable(asked.first());
    EXPECT_EQ(told.size(), 2) << qPrintable(told.join('\n'));

    Aim("/stall");
    sync->Request(SyncTrigger::Manual);
    sync->Request(SyncTrigger::Manual);
    QTest::qWait(300);
    ASSERT_TRUE(sync->IsRunning());
    QElapsedTimer taken;
    taken.start();
    sync.reset();
    EXPECT_LT(taken.elapsed(), 1000) << "closing waits for the server";
}
