// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QProcess>
#include <QThread>
#include <QUuid>
#include <memory>

#include "SyncHelper.h"
#include "support/DiaryFiles.h"
#include "support/RadicaleServer.h"
#include "support/RowName.h"
#include "support/TempDir.h"
#include "sync/DavTransport.h"
#include "sync/SyncError.h"

namespace {

using diaryfiles::Entry;

// Two diaries and another client, all against one Radicale calendar.
class CalDavSyncTest : public ::testing::Test {
public:
    static void SetUpTestSuite() { server = std::make_unique<RadicaleServer>(); }
    static void TearDownTestSuite() { server.reset(); }

    CalDavSyncTest()
        : name(QUuid::createUuid().toString(QUuid::Id128)), url(server->MakeCalendar(name)) {
        diaryfiles::CreateDiary(Diary("A"));
        diaryfiles::CreateDiary(Diary("B"));
    }

    QString Diary(const QString& which) const { return dir.File(which + ".db"); }
    SyncCounts Sync(const QString& which, int* requests = nullptr) {
        return SyncDiary(Diary(which), url, RadicaleServer::User(), RadicaleServer::Password(),
                         requests);
    }
    void Add(const QString& which, const Entry& entry) {
        diaryfiles::RawConnection(Diary(which)).Add(entry);
    }
    void Exec(const QString& which, const QString& sql) {
        diaryfiles::RawConnection(Diary(which)).Exec(sql);
    }
    // The entries as sorted lines "date time holiday message".
    QStringList Entries(const QString& which) {
        QStringList lines = diaryfiles::RawConnection(Diary(which))
                                .Value(
                                    "SELECT group_concat(EventDate || ' ' || EventTime || ' ' || "
                                    "PubHoliday || ' ' || EventDescription, '\n') FROM Diary")
                                .toString()
                                .split('\n', Qt::SkipEmptyParts);
        lines.sort();
        return lines;
    }
    // What another calendar program would do.
    int Other(const QByteArray& method, const QString& member, const QByteArray& body = {}) {
        CDavTransport transport({url, RadicaleServer::User(), RadicaleServer::Password()}, 10000);
        return transport.SendOne({method, url.resolved(QUrl(member)), body, {}}).status;
    }
    static QByteArray Event(const QString& uid, const QString& date, const QString& summary,
                            const QString& rule = {}) {
        return QStringLiteral(
                   "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\n"
                   "BEGIN:VEVENT\r\nUID:%1\r\nDTSTAMP:20270101T000000Z\r\n"
                   "DTSTART;VALUE=DATE:%2\r\nSUMMARY:%3\r\n%4END:VEVENT\r\n"
                   "END:VCALENDAR\r\n")
            .arg(uid, date, summary, rule.isEmpty() ? QString() : "RRULE:" + rule + "\r\n")
            .toUtf8();
    }

    static std::unique_ptr<RadicaleServer> server;
    TempDir dir;
    QString name;
    QUrl url;
};
std::unique_ptr<RadicaleServer> CalDavSyncTest::server;

TEST_F(CalDavSyncTest, TwoDiariesAndAnotherClientConverge) {
    Add("A", {"25122027", "Christmas", QString(), 1});
    Add("A", {"0103****", "Rent", QString(), 0, "0930"});
    Add("A", {"15072027", "Dentist"});
    const SyncCounts first = Sync("A");
    EXPECT_EQ(first.pushed, 3);
    EXPECT_EQ(server->StoredEvents(name), 3);
    EXPECT_EQ(Sync("B").pulled, 3);
    EXPECT_EQ(Entries("B"), Entries("A"));

    Exec("B", "UPDATE Diary SET EventDescription = 'Dentist at 4' WHERE EventDate = '15072027'");
    Exec("B", "DELETE FROM Diary WHERE EventDescription = 'Christmas'");
    Add("A", {"01082027", "Holiday starts"});
    ASSERT_EQ(
        Other("PUT", "meeting.ics", Event("meeting", "20270705", "Standup", "FREQ=WEEKLY;COUNT=3")),
        201);
    const SyncCounts fromB = Sync("B");
    EXPECT_EQ(fromB.pushed, 1);
    EXPECT_EQ(fromB.deletedOnServer, 1);
    EXPECT_EQ(fromB.pulled, 1);
    const SyncCounts fromA = Sync("A");
    EXPECT_EQ(fromA.pulled, 2);
    EXPECT_EQ(fromA.deletedHere, 1);
    EXPECT_EQ(fromA.pushed, 1);
    Sync("B");
    EXPECT_EQ(Entries("A"), Entries("B"));
    EXPECT_TRUE(Entries("A").contains("15072027 0000 0 Dentist at 4"));
    EXPECT_EQ(Entries("A").filter("Standup").size(), 3) << "a weekly event comes in expanded";

    int requests = 0;
    const SyncCounts idle = Sync("A", &requests);
    EXPECT_EQ(idle.pushed + idle.pulled + idle.deletedHere + idle.deletedOnServer, 0);
    EXPECT_LE(requests, 2) << "nothing changed costs one listing";
}

TEST_F(CalDavSyncTest, AnEntryChangedOnBothSidesKeepsBothVersions) {
    Add("A", {"15072027", "Dentist"});
    Sync("A");
    Sync("B");
    Exec("A", "UPDATE Diary SET EventDescription = 'Dentist at 3'");
    Exec("B", "UPDATE Diary SET EventDescription = 'Dentist at 4'");
    Sync("B");
    EXPECT_EQ(Sync("A").conflicts, 1);
    Sync("B");
    const QStringList both{"15072027 0000 0 Conflict, kept from this diary: Dentist at 3",
                           "15072027 0000 0 Dentist at 4"};
    EXPECT_EQ(Entries("A"), both);
    EXPECT_EQ(Entries("B"), both);
}

// A failed sync leaves the diary file byte for byte as it was.
struct FailureRow {
    const char* name;
    std::function<void(CalDavSyncTest&, QString& password)> breakIt;
    const char* message;
};

class SyncFailureTest : public CalDavSyncTest, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(SyncFailureTest, ReportsAndChangesNothing) {
    Add("A", {"15072027", "Dentist"});
    Sync("A");
    Exec("A", "UPDATE Diary SET EventDescription = 'Dentist at 3'");
    Add("A", {"16072027", "Haircut"});
    ASSERT_EQ(Other("PUT", "x.ics", Event("x", "20270101", "New year")), 201);
    const QByteArray before = TempDir::Read(Diary("A"));
    QString password = RadicaleServer::Password();
    GetParam().breakIt(*this, password);
    try {
        SyncDiary(Diary("A"), url, RadicaleServer::User(), password);
        ADD_FAILURE() << "the sync succeeded";
    } catch (const CSyncError& error) {
        EXPECT_TRUE(error.Description().contains(GetParam().message)) << error.what();
    }
    EXPECT_EQ(TempDir::Read(Diary("A")), before);
    if (!QString(GetParam().name).contains("Stopped"))
        return;
    server->Start();
    EXPECT_EQ(Sync("A").pulled, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, SyncFailureTest,
    ::testing::Values(FailureRow{"WrongPassword", [](CalDavSyncTest&, QString& p) { p = "wrong"; },
                                 "refused the user name or password"},
                      FailureRow{"NoSuchCalendar",
                                 [](CalDavSyncTest& t, QString&) {
                                     t.url = t.url.resolved(QUrl("../none/"));
                                 },
                                 "There is no calendar at"},
                      FailureRow{"ServerStopped",
                                 [](CalDavSyncTest&, QString&) { CalDavSyncTest::server->Stop(); },
                                 "Cannot reach the CalDAV server"}),
    RowName());

TEST_F(CalDavSyncTest, ASyncKilledHalfWayIsCompletedWithoutDuplicates) {
    constexpr int kEntries = 60;
    {
        diaryfiles::RawConnection raw(Diary("A"));
        raw.Exec("BEGIN");
        for (int i = 0; i < kEntries; ++i)
            raw.Add({QStringLiteral("%1").arg(i % 28 + 1, 2, 10, QChar('0')) + "012027",
                     QStringLiteral("Entry %1").arg(i)});
        raw.Exec("COMMIT");
    }
    QProcess sync;
    sync.start(SYNC_PROCESS_HELPER,
               {Diary("A"), url.toString(), RadicaleServer::User(), RadicaleServer::Password()});
    bool ended = false;
    while (server->StoredEvents(name) < 5 && !ended) ended = sync.waitForFinished(2);
    ASSERT_FALSE(ended) << "the sync ended before it could be cut: "
                        << sync.readAll().toStdString();
    sync.kill();
    sync.waitForFinished();
    // Writes the server had already taken in land before the next sync.
    int cutAt = -1;
    while (cutAt != server->StoredEvents(name)) {
        cutAt = server->StoredEvents(name);
        QThread::msleep(300);
    }
    EXPECT_LT(cutAt, kEntries);

    const SyncCounts repeated = Sync("A");
    EXPECT_EQ(repeated.pushed, kEntries - cutAt);
    EXPECT_EQ(server->StoredEvents(name), kEntries);
    EXPECT_EQ(Entries("A").size(), kEntries);
    Sync("B");
    EXPECT_EQ(Entries("B"), Entries("A"));
}

}  // namespace
