// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTextStream>
#include <QUuid>

#include "app/SyncCommand.h"
#include "settings/SettingsStore.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/RadicaleServer.h"
#include "support/TempDir.h"

namespace {
// The command against a real Radicale, the password from the environment.
class SyncCommandTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = std::make_unique<RadicaleServer>(); }
    static void TearDownTestSuite() { server.reset(); }

    SyncCommandTest() {
        qputenv("PLENDA_CALDAV_PASSWORD", RadicaleServer::Password().toUtf8());
        diaryfiles::CreateDiary(dir.File("Diary.db"));
        diaryfiles::PointSettingsAt(store, dir.File("Diary.db"));
        diaryfiles::RawConnection(dir.File("Diary.db")).Add({"25122027", "Christmas"});
    }
    // The status; what the command said must hold `says`.
    int Run(QStringList arguments, const QString& says) {
        arguments.replaceInStrings("URL", url.toString());
        QString said;
        QTextStream out(&said);
        const int status = RunSyncCommand(arguments, store, clock, dir.Path(), {out, out});
        out.flush();
        EXPECT_TRUE(said.contains(says)) << said.toStdString();
        return status;
    }

    static std::unique_ptr<RadicaleServer> server;
    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    FakeClock clock;
    QUrl url = server->MakeCalendar(QUuid::createUuid().toString(QUuid::Id128));
};
std::unique_ptr<RadicaleServer> SyncCommandTest::server;

// Each run keeps the calendar and user it was given, so the next needs neither.
TEST_F(SyncCommandTest, SaysWhatItDidAndKeepsTheCalendarAndUserForNextTime) {
    EXPECT_EQ(Run({}, "no CalDAV calendar is set"), 1);
    EXPECT_EQ(Run({"--url", "ftp://host/cal/", "--user", "a"}, "not the http or https"), 1);
    EXPECT_EQ(Run({"--url", "URL"}, "no CalDAV user is set"), 1);
    EXPECT_EQ(Run({"--user", "alice"}, "To the server: pushed 1, deleted 0\n"), 0);
    EXPECT_EQ(Run({}, "pulled 0, deleted 0\nConflicts: 0 (both versions kept)\n"), 0);
}
}  // namespace
