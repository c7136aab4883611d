// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTextStream>
#include <QUuid>

#include "app/SyncCommand.h"
#include "settings/SettingsStore.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/RadicaleServer.h"
#include "support/RowName.h"
#include "support/TempDir.h"

namespace {
struct SyncRun {
    const char* name;
    QStringList arguments;
    int status;
    const char* says;
};

// The command against a real Radicale, the password from the environment.
class SyncCommandTest : public ::testing::TestWithParam<SyncRun> {
protected:
    static void SetUpTestSuite() { server = std::make_unique<RadicaleServer>(); }
    static void TearDownTestSuite() { server.reset(); }

    SyncCommandTest() {
        qputenv("PLENDA_CALDAV_PASSWORD", RadicaleServer::Password().toUtf8());
        diaryfiles::CreateDiary(dir.File("Diary.db"));
        diaryfiles::PointSettingsAt(store, dir.File("Diary.db"));
        diaryfiles::RawConnection(dir.File("Diary.db")).Add({"25122027", "Christmas"});
    }
    int Run(QStringList arguments, QString& said) {
        arguments.replaceInStrings("URL", url.toString());
        QTextStream out(&said);
        const int status = RunSyncCommand(arguments, store, clock, dir.Path(), {out, out});
        out.flush();
        return status;
    }

    static std::unique_ptr<RadicaleServer> server;
    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    FakeClock clock;
    QUrl url = server->MakeCalendar(QUuid::createUuid().toString(QUuid::Id128));
};
std::unique_ptr<RadicaleServer> SyncCommandTest::server;

TEST_P(SyncCommandTest, SaysWhatItDid) {
    QString said;
    EXPECT_EQ(Run(GetParam().arguments, said), GetParam().status);
    EXPECT_TRUE(said.contains(GetParam().says)) << said.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SyncCommandTest,
    ::testing::Values(SyncRun{"Pushes",
                              {"--url", "URL", "--user", "alice"},
                              0,
                              "To the server: pushed 1, deleted 0\n"},
                      SyncRun{"NoCalendar", {}, 1, "no CalDAV calendar is set"},
                      SyncRun{"NoUser", {"--url", "URL"}, 1, "no CalDAV user is set"},
                      SyncRun{"NotHttp",
                              {"--url", "ftp://host/cal/", "--user", "alice"},
                              1,
                              "not the http or https"},
                      SyncRun{"UnknownOption",
                              {"--url", "URL", "--user", "alice", "--colour"},
                              2,
                              "unknown option '--colour'"}),
    RowName());

TEST_F(SyncCommandTest, KeepsTheCalendarAndUserForNextTime) {
    QString said;
    ASSERT_EQ(Run({"--url", "URL", "--user", "alice"}, said), 0);
    EXPECT_EQ(store.ReadText("Settings", "CalDavUrl"), url.toString());
    EXPECT_EQ(Run({}, said), 0) << said.toStdString();
    EXPECT_TRUE(
        said.endsWith("From the server: pulled 0, deleted 0\nConflicts: 0 (both versions kept)\n"));
}
}  // namespace
