// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QUuid>
#include <functional>
#include <map>
#include <memory>

#include "SyncFixture.h"
#include "interop/IcalHandles.h"
#include "support/RadicaleServer.h"
#include "support/RowName.h"
#include "support/TempDir.h"
#include "support/XandikosServer.h"
#include "sync/CalendarChoiceError.h"

namespace {

struct ServerRow {
    const char* name;
    std::function<std::unique_ptr<CalDavServer>()> start;
};

// Each real server, the user's other device writing to it directly, and
// diaries synced with it. Radicale's user has an '@' in the name, which
// servers list escaped.
class ServerSyncTest : public ::testing::TestWithParam<ServerRow>, public SyncFixture {
public:
    ServerSyncTest() {
        auto& running = servers[GetParam().name];
        if (!running)
            running = GetParam().start();
        Use(running.get());
    }
    void Use(CalDavServer* chosen) {
        server = chosen;
        user = server->Login();
        url = server->MakeCalendar(QUuid::createUuid().toString(QUuid::Id128));
    }
    // The object's content lines as libical writes them, unfolded and
    // sorted, without the stamp.
    QStringList Lines(const QString& member) {
        const IcalComponentPtr object(icalparser_parse_string(Other("GET", member).body));
        char* text = object ? icalcomponent_as_ical_string_r(object.get()) : nullptr;
        QStringList lines = QString::fromUtf8(text)
                                .remove(QRegularExpression("\r?\n[ \t]"))
                                .split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts)
                                .filter(QRegularExpression("^(?!DTSTAMP|SEQUENCE)"));
        std::free(text);
        lines.sort();
        return lines;
    }

    static std::map<std::string, std::unique_ptr<CalDavServer>> servers;
    CalDavServer* server = nullptr;
};
std::map<std::string, std::unique_ptr<CalDavServer>> ServerSyncTest::servers;

QByteArray Fixture(const QString& name) {
    return TempDir::Read(QStringLiteral(SYNC_TEST_DATA "/") + name);
}

TEST_P(ServerSyncTest, AnyAddressOfTheServerLeadsToTheOneCalendar) {
    // A server of its own: the root and the home hold only what this test makes.
    const std::unique_ptr<CalDavServer> own = GetParam().start();
    Use(own.get());
    Add("A", {"15072027", "Dentist"});
    EXPECT_EQ(Sync("A", server->Root()).pushed, 1);
    for (const QUrl& address : {server->Principal(), server->Home(), server->Root()}) {
        const SyncCounts again = Sync("A", address);
        EXPECT_EQ(again.pushed + again.pulled, 0) << address.toString().toStdString();
    }
    EXPECT_EQ(Sync("B").pulled, 1);
    EXPECT_EQ(Entries("B"), Entries("A"));

    const QString chosen = url.path().section('/', -2, -2);
    server->MakeCalendar("home");
    EXPECT_THROW(Sync("C", server->Principal()), CCalendarChoiceError);
    EXPECT_THROW(Sync("C", server->Root().resolved(QUrl("/none/"))), CSyncError);
    EXPECT_EQ(Sync("C", server->Principal(), chosen).pulled, 1);
    const QString listed = ListCalendars({server->Home(), user, password});
    EXPECT_TRUE(listed.contains(chosen) && listed.contains("home")) << listed.toStdString();
}

TEST_P(ServerSyncTest, AnotherProgramsEventKeepsAllButWhatTheEntryChanged) {
    ASSERT_LT(Other("PUT", "rich.ics", Fixture("rich.ics")).status, 300);
    Sync("A");
    const QStringList before = Lines("rich.ics");
    const QString time = Entries("A").value(0).section(' ', 1, 1);
    ASSERT_EQ(time.size(), 4);
    const QString later = QTime::fromString(time, "HHmm").addSecs(3600).toString("HHmm");
    Exec("A", "UPDATE Diary SET EventDescription = 'Planning, moved', EventTime = '" + later + "'");
    EXPECT_EQ(Sync("A").pushed, 1);

    QStringList expected = before;
    expected.replaceInStrings("SUMMARY:Planning", "SUMMARY:Planning\\, moved");
    expected.replaceInStrings("20270705T090000", "20270705T100000");
    expected.replaceInStrings(QRegularExpression("(DTEND.*)20270705T100000$"),
                              "\\120270705T110000");
    expected.sort();
    EXPECT_EQ(Lines("rich.ics"), expected);
}

TEST_P(ServerSyncTest, OneDayOfAWeeklyEventEditedAndDeletedShowsOnceEverywhereUntilItGoes) {
    ASSERT_LT(Other("PUT", "weekly.ics", Fixture("weekly.ics")).status, 300);
    EXPECT_EQ(Sync("A").pulled, 1);
    ASSERT_EQ(Entries("A").size(), 4);
    Exec("A", "UPDATE Diary SET EventDescription = 'Standup, late' WHERE EventDate = '12072027'");
    Exec("A", "DELETE FROM Diary WHERE EventDate = '19072027'");
    EXPECT_EQ(Sync("A").pushed, 1);
    Sync("B");
    const QStringList expected{"05072027 0000 0 Standup", "12072027 0000 0 Standup, late",
                               "26072027 0000 0 Standup"};
    EXPECT_EQ(Entries("B"), expected);
    const QString text = QString::fromUtf8(Other("GET", "weekly.ics").body);
    EXPECT_TRUE(text.contains("RECURRENCE-ID") && text.contains("EXDATE") &&
                text.contains("DESCRIPTION:Kept"))
        << text.toStdString();

    // Days changed on both sides at once all go into the one series; the
    // last day left then moves alone.
    Exec("A", "UPDATE Diary SET EventDescription = 'Early' WHERE EventDate = '05072027'");
    Exec("B", "DELETE FROM Diary WHERE EventDate = '12072027'");
    Sync("A"), Sync("B"), Sync("A");
    const QStringList both{"05072027 0000 0 Early", "26072027 0000 0 Standup"};
    EXPECT_EQ(Entries("A"), both);
    EXPECT_EQ(Entries("B"), both);
    Exec("A", "DELETE FROM Diary WHERE EventDate = '05072027'");
    Sync("A"), Sync("B");
    Exec("B", "UPDATE Diary SET EventDate = '28072027'");
    Sync("B"), Sync("A");
    EXPECT_EQ(Entries("A"), QStringList{"28072027 0000 0 Standup"});

    // Gone on the server right after A's last sync wrote it: A hears of it.
    Exec("B", "DELETE FROM Diary");
    EXPECT_EQ(Sync("B").deletedOnServer, 1);
    EXPECT_EQ(Other("GET", "weekly.ics").status, 404);
    EXPECT_EQ(Sync("A").deletedHere, 1);
    EXPECT_TRUE(Entries("A").isEmpty());
}

// Four days of one event: an edited message is the event's, the first day
// removed shortens it, a middle day removed stays and is reported.
TEST_P(ServerSyncTest, OneDayOfAnEventOverSeveralDaysChangesTheEventOnce) {
    ASSERT_LT(Other("PUT", "span.ics", Fixture("span.ics")).status, 300);
    EXPECT_EQ(Sync("A").pulled, 1);
    Exec("A", "UPDATE Diary SET EventDescription = 'Talks' WHERE EventDate = '21072027'");
    Exec("A", "DELETE FROM Diary WHERE EventDate IN ('20072027', '22072027')");
    const SyncCounts sent = Sync("A");
    EXPECT_EQ(sent.pushed + sent.keptDays.size(), 1 + 1);
    const QStringList expected{"21072027 0000 0 Talks", "22072027 0000 0 Talks",
                               "23072027 0000 0 Talks"};
    EXPECT_EQ(Entries("A"), expected);
    EXPECT_EQ(Sync("B").pulled, 1);
    EXPECT_EQ(Entries("B"), expected);
    EXPECT_TRUE(Lines("span.ics").contains("DESCRIPTION:Kept"));
}

INSTANTIATE_TEST_SUITE_P(
    Servers, ServerSyncTest,
    ::testing::Values(ServerRow{"Radicale",
                                [] { return std::make_unique<RadicaleServer>("bob@example.com"); }},
                      ServerRow{"Xandikos", [] { return std::make_unique<XandikosServer>(); }}),
    RowName());

}  // namespace
