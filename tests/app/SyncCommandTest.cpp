// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTextStream>

#include "app/SyncCommand.h"
#include "settings/SettingsStore.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/QuirkProxy.h"
#include "support/RadicaleServer.h"
#include "support/TempDir.h"

// The command against a real Radicale, the password from the environment.
// Each run keeps the calendar and user it was given, so the next needs neither.
TEST(SyncCommand, SaysWhatItDidAndKeepsTheCalendarAndUserForNextTime) {
    RadicaleServer server;
    const QUrl url = server.MakeCalendar(QStringLiteral("command"));
    qputenv("PLENDA_CALDAV_PASSWORD", RadicaleServer::Password().toUtf8());
    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    diaryfiles::CreateDiary(dir.File("Diary.db"));
    diaryfiles::PointSettingsAt(store, dir.File("Diary.db"));
    diaryfiles::RawConnection(dir.File("Diary.db")).Add({"25122027", "Christmas"});
    // The status; what the command said must hold `says`.
    const auto run = [&](QStringList arguments, const QString& says) {
        arguments.replaceInStrings("URL", url.toString());
        QString said;
        QTextStream out(&said);
        const int status = RunSyncCommand(arguments, store, FakeClock(), dir.Path(), {out, out});
        out.flush();
        EXPECT_TRUE(said.contains(says)) << said.toStdString();
        return status;
    };
    EXPECT_EQ(run({}, "no CalDAV calendar is set"), 1);
    EXPECT_EQ(run({"--url", "ftp://host/cal/", "--user", "a"}, "not the http or https"), 1);
    EXPECT_EQ(run({"--url", "URL"}, "no CalDAV user is set"), 1);
    EXPECT_EQ(run({"--user", "alice"}, "To the server: pushed 1, deleted 0\n"), 0);
    EXPECT_EQ(run({}, "pulled 0, deleted 0\nConflicts: 0 (both versions kept)\n"), 0);
    EXPECT_EQ(run({"--diary", dir.File("New.db")}, "From the server: pulled 1"), 0) << "made new";
    EXPECT_EQ(run({"--list"}, "command  " + url.toString()), 0);
    // A write the server refuses makes the sync partial.
    const QuirkProxy refusing(server.Port(),
                              [](QByteArray& request, QByteArray& answer, bool sent) {
                                  if (!sent && request.startsWith("PUT"))
                                      answer = "HTTP/1.1 409 Conflict\r\n\r\n";
                              });
    diaryfiles::RawConnection(dir.File("Diary.db")).Add({"26122027", "Boxing Day"});
    EXPECT_EQ(run({"--url", refusing.Through(url).toString()}, "Refused by the server"), 3);
}
