// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QUuid>
#include <memory>
#include <random>

#include "SyncFixture.h"
#include "support/DiaryFiles.h"
#include "support/RadicaleServer.h"

namespace {

using diaryfiles::Entry;

// Two diaries and another client, all against one Radicale calendar.
class CalDavSyncTest : public ::testing::TestWithParam<unsigned>, public SyncFixture {
public:
    static void SetUpTestSuite() { server = std::make_unique<RadicaleServer>(); }
    static void TearDownTestSuite() { server.reset(); }

    CalDavSyncTest() : name(QUuid::createUuid().toString(QUuid::Id128)) {
        url = server->MakeCalendar(name);
    }
    static QByteArray Event(const QString& uid, const QString& date, const QString& summary,
                            const QString& rule = {}, const QString& more = "X-OTHER:kept") {
        return QStringLiteral(
                   "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\n"
                   "BEGIN:VEVENT\r\nUID:%1\r\nDTSTAMP:20270101T000000Z\r\n"
                   "DTSTART;VALUE=DATE:%2\r\nSUMMARY:%3\r\n%4%5\r\nEND:VEVENT\r\n"
                   "END:VCALENDAR\r\n")
            .arg(uid, date, summary, rule.isEmpty() ? QString() : "RRULE:" + rule + "\r\n", more)
            .toUtf8();
    }

    static std::unique_ptr<RadicaleServer> server;
    QString name;
};
std::unique_ptr<RadicaleServer> CalDavSyncTest::server;

// A seed's few hundred random adds, edits and deletes in two diaries and by
// another client (single and weekly events with properties no entry holds).
// Every edit writes a message never seen before. After each round of syncs
// the diaries agree, hold nothing twice, and every event of the other client
// keeps what only it wrote. Member names and the server's order differ from
// run to run, so no seed repeats its run: two seeds reach more cases.
TEST_P(CalDavSyncTest, RandomChangesOnEverySideConverge) {
    std::mt19937 random(GetParam());
    int serial = 0;
    std::vector<int> peer;
    for (int round = 0; round < 30; ++round) {
        for (int step = 0; step < 10; ++step) {
            const QString which = random() % 2 ? "A" : "B";
            const QString day =
                QString::number(random() % 28 + 1).rightJustified(2, '0') + "072027";
            const QString pick = "WHERE ID = (SELECT ID FROM Diary ORDER BY ID LIMIT 1 OFFSET " +
                                 QString::number(random() % 40) + ")";
            const unsigned change = random() % 5;
            if (change == 0)
                Add(which, {day, QString("Entry %1").arg(++serial)});
            else if (change == 1)
                Exec(which, "UPDATE Diary SET EventDescription = EventDescription || '+" +
                                QString::number(++serial) +
                                "', "
                                "EventDate = '" +
                                day + "' " + pick);
            else if (change == 2)
                Exec(which, "DELETE FROM Diary " + pick);
            else if (change == 3) {
                peer.push_back(++serial);
                Other("PUT", QString("peer-%1.ics").arg(serial),
                      Event(QString::number(serial), "2027" + day.mid(2, 2) + day.left(2),
                            "Peer " + QString::number(serial),
                            random() % 2 ? "FREQ=WEEKLY;COUNT=3" : QString(),
                            "LOCATION:Room " + QString::number(serial)));
            } else if (!peer.empty())
                Other("DELETE", QString("peer-%1.ics").arg(peer[random() % peer.size()]));
        }
        // A change one sync defers (or a conflict's copy) goes up in the next.
        for (int quiet = 0; quiet < 4; ++quiet) {
            const SyncCounts a = Sync("A"), b = Sync("B");
            if (a.pushed + a.deletedOnServer + b.pushed + b.deletedOnServer == 0)
                break;
        }
        ASSERT_EQ(Entries("A"), Entries("B")) << "round " << round;
        QStringList once = Entries("A");
        ASSERT_EQ(once.removeDuplicates(), 0) << once.join('\n').toStdString();
        for (const int n : peer) {
            const DavReply object = Other("GET", QString("peer-%1.ics").arg(n));
            ASSERT_TRUE(object.status == 404 ||
                        object.body.contains("LOCATION:Room " + QByteArray::number(n)))
                << object.body.toStdString();
        }
    }
    int requests = 0;
    const SyncCounts idle = Sync("A", {}, {}, &requests);
    EXPECT_EQ(idle.pushed + idle.pulled + idle.deletedHere + idle.deletedOnServer, 0);
    EXPECT_EQ(requests, 1) << "nothing changed costs one listing";
}

INSTANTIATE_TEST_SUITE_P(Seeds, CalDavSyncTest, ::testing::Values(2027u, 4711u));

}  // namespace
