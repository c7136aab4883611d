// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QUuid>
#include <memory>

#include "SyncFixture.h"
#include "support/QuirkProxy.h"
#include "support/RadicaleServer.h"
#include "support/RowName.h"
#include "sync/SyncError.h"

namespace {

class QuirkSyncTest;
// One way of answering, and what diary A must make of it: each row one
// branch of the reconciliation. A adds "Dentist" and syncs before `check`.
struct QuirkRow {
    const char* name;
    std::function<void(QuirkSyncTest&, QByteArray& request, QByteArray& answer, bool sent)> quirk;
    std::function<void(QuirkSyncTest&)> check;
};

// Diary A syncs through the proxy with Radicale; diary B syncs directly.
class QuirkSyncTest : public ::testing::TestWithParam<QuirkRow>, public SyncFixture {
public:
    static void SetUpTestSuite() { server = std::make_unique<RadicaleServer>(); }
    static void TearDownTestSuite() { server.reset(); }
    QuirkSyncTest()
        : name(QUuid::createUuid().toString(QUuid::Id128)),
          proxy(server->Port(), [this](QByteArray& request, QByteArray& answer, bool sent) {
              GetParam().quirk(*this, request, answer, sent);
          }) {
        url = server->MakeCalendar(name);
        addresses["A"] = proxy.Through(url);
    }

    static std::unique_ptr<RadicaleServer> server;
    // Rows whose quirk waits for the check to begin.
    bool armed = false;
    QString name;
    QuirkProxy proxy;
};
std::unique_ptr<RadicaleServer> QuirkSyncTest::server;

TEST_P(QuirkSyncTest, NothingIsLostOrDoubled) {
    Add("A", {"15072027", "Dentist"});
    EXPECT_EQ(Sync("A").pushed, 1);
    GetParam().check(*this);
    Sync("A");
    Sync("B");
    EXPECT_EQ(Entries("A"), Entries("B"));
}

auto Answer(const QByteArray& method, const QByteArray& having, int status) {
    return [=](QuirkSyncTest&, QByteArray& request, QByteArray& answer, bool sent) {
        if (!sent && request.startsWith(method) && request.contains(having))
            answer = "HTTP/1.1 " + QByteArray::number(status) + " No\r\n\r\n";
    };
}

// A listing the server cut short (the collection's own 507) that names no
// member and no token.
QByteArray CutShort(const QByteArray& answer, const QByteArray& collection) {
    return QString::fromLatin1(answer)
        .remove(QRegularExpression("<(\\w+:|)response>.*</\\1response>",
                                   QRegularExpression::DotMatchesEverythingOption))
        .replace(QRegularExpression("(<(\\w+:|)sync-token>)[^<]*"), "\\1")
        .replace(QRegularExpression("</(\\w+:|)multistatus>"),
                 "<response xmlns=\"DAV:\"><href>" + collection +
                     "</href><status>HTTP/1.1 507 No</status></response></\\1multistatus>")
        .toLatin1();
}

// B's deletion reaches the server and then A, whatever listing A falls back to.
void DeletionComesDown(QuirkSyncTest& t) {
    EXPECT_EQ(t.Sync("B").pulled, 1);
    t.Exec("B", "DELETE FROM Diary");
    EXPECT_EQ(t.Sync("B").deletedOnServer, 1);
    EXPECT_EQ(t.Sync("A").deletedHere, 1);
}

// An edit made after the quirk went up as one change, not a conflict.
void EditGoesUp(QuirkSyncTest& t) {
    t.Exec("A", "UPDATE Diary SET EventDescription = 'Dentist at 4'");
    const SyncCounts edited = t.Sync("A");
    EXPECT_EQ(edited.pushed + edited.conflicts + edited.pulled, 1 + 0 + 0);
    EXPECT_EQ(t.Entries("A"), QStringList{"15072027 0000 0 Dentist at 4"});
}

// One of three new entries refused: the others and the downloads still go
// through, and the refused one is tried again next time.
QuirkRow Refusing(const char* name, int status) {
    return {name, Answer("PUT", "SUMMARY:Refused", status), [status](QuirkSyncTest& t) {
                t.Add("A", {"16072027", "Refused"});
                t.Add("A", {"17072027", "Taken"});
                t.Add("B", {"18072027", "From B"});
                t.Sync("B");
                const SyncCounts partial = t.Sync("A");
                EXPECT_EQ(partial.refused,
                          QStringList{QString("\"Refused\" (the server answered %1)").arg(status)});
                EXPECT_EQ(partial.pushed + partial.pulled, 2);
                EXPECT_EQ(t.Sync("A").refused.size(), 1) << "tried again";
                t.Exec("A", "DELETE FROM Diary WHERE EventDescription = 'Refused'");
            }};
}

INSTANTIATE_TEST_SUITE_P(
    Quirks, QuirkSyncTest,
    ::testing::Values(
        QuirkRow{"NoEtagAfterPut",
                 [](QuirkSyncTest&, QByteArray& request, QByteArray& answer, bool sent) {
                     if (sent && request.startsWith("PUT"))
                         answer = QString::fromLatin1(answer)
                                      .remove(QRegularExpression("(?i)\r\netag:[^\r]*"))
                                      .toLatin1();
                 },
                 EditGoesUp},
        // Each listing (a whole one: no token is taken) names new ETags for
        // the same objects; a write's If-Match is understood as the server's.
        QuirkRow{"EtagChangingEveryListing",
                 [n = std::make_shared<int>()](QuirkSyncTest& t, QByteArray& request,
                                               QByteArray& answer, bool sent) {
                     Answer("REPORT", "sync-token>http", 403)(t, request, answer, sent);
                     if (!sent)
                         request =
                             QString::fromLatin1(request)
                                 .replace(QRegularExpression("If-Match: \"\\d+-"), "If-Match: \"")
                                 .toLatin1();
                     if (!sent || !request.startsWith("REPORT"))
                         return;
                     EXPECT_EQ(2 * answer.count("getetag>\""), answer.count("getetag>"));
                     answer.replace("getetag>\"", "getetag>\"" + QByteArray::number(++*n) + "-");
                 },
                 [](QuirkSyncTest& t) {
                     const SyncCounts again = t.Sync("A");
                     EXPECT_EQ(again.pulled + again.pushed + again.conflicts, 0);
                     EditGoesUp(t);
                 }},
        QuirkRow{"TokenRefused", Answer("REPORT", "sync-token>http", 403), DeletionComesDown},
        // No sync-collection at all: every listing is a calendar-query.
        QuirkRow{"SyncCollectionNotImplemented", Answer("REPORT", "sync-collection", 501),
                 DeletionComesDown},
        // The change list answered 507, then the whole listing cut short: the
        // members it leaves out are not taken for deleted.
        QuirkRow{"ListingCutShort",
                 [](QuirkSyncTest& t, QByteArray& request, QByteArray& answer, bool sent) {
                     if (t.armed)
                         Answer("REPORT", "sync-token>http", 507)(t, request, answer, sent);
                     if (t.armed && sent && request.contains("sync-collection"))
                         answer = CutShort(answer, request.split(' ').at(1));
                 },
                 [](QuirkSyncTest& t) {
                     t.Add("B", {"18072027", "From B"});
                     t.Sync("B");
                     t.armed = true;
                     t.Sync("A");
                     EXPECT_EQ(t.Entries("A").size(), 1) << "nothing deleted";
                     t.armed = false;
                     EXPECT_EQ(t.Sync("A").pulled, 1) << "the rest comes next time";
                 }},
        // B's edit lands between A's listing and A's write, on a server that
        // ignores If-Match: A's write waits, and then the two are a conflict.
        QuirkRow{"IfMatchIgnored",
                 [](QuirkSyncTest& t, QByteArray& request, QByteArray&, bool sent) {
                     if (!sent)
                         request = QString::fromLatin1(request)
                                       .remove(QRegularExpression("\r\nIf-Match:[^\r]*"))
                                       .toLatin1();
                     if (!t.armed || !sent || !request.contains("sync-collection"))
                         return;
                     t.armed = false;
                     t.Exec("B", "UPDATE Diary SET EventDescription = 'Dentist at 5'");
                     EXPECT_EQ(t.Sync("B").pushed, 1);
                 },
                 [](QuirkSyncTest& t) {
                     t.Sync("B");
                     t.Exec("A", "UPDATE Diary SET EventDescription = 'Dentist at 4'");
                     t.armed = true;
                     EXPECT_EQ(t.Sync("A").deferred, 1);
                     EXPECT_EQ(t.Sync("A").conflicts, 1);
                     EXPECT_EQ(t.Entries("A"),
                               QStringList({"15072027 0000 0 Conflict, kept from this diary: "
                                            "Dentist at 4",
                                            "15072027 0000 0 Dentist at 5"}));
                 }},
        Refusing("OneWriteForbidden", 403), Refusing("OneWriteConflicting", 409),
        Refusing("OneWriteOverQuota", 507),
        QuirkRow{"FiledUnderItsOwnName",
                 [](QuirkSyncTest&, QByteArray& request, QByteArray& answer, bool sent) {
                     if (!request.startsWith("PUT") || !request.contains("If-None-Match"))
                         return;
                     if (!sent)
                         request.insert(request.indexOf(".ics HTTP"), "-own");
                     else
                         answer.insert(answer.indexOf("\r\n") + 2,
                                       "Location: " + request.split(' ').at(1) + "\r\n");
                 },
                 [](QuirkSyncTest& t) {
                     EXPECT_EQ(t.server->StoredEvents(t.name), 1);
                     EditGoesUp(t);
                     EXPECT_EQ(t.server->StoredEvents(t.name), 1);
                 }},
        // A sync cut short keeps what the server took and resumes.
        QuirkRow{"CutShort",
                 [n = std::make_shared<int>()](QuirkSyncTest& t, QByteArray& request,
                                               QByteArray& answer, bool sent) {
                     if (!sent && request.startsWith("PUT") && ++*n == 12)
                         Answer("PUT", "", 500)(t, request, answer, sent);
                 },
                 [](QuirkSyncTest& t) {
                     for (int i = 1; i <= 20; ++i) t.Add("A", {"01082027", QString::number(i)});
                     EXPECT_THROW(t.Sync("A"), CSyncError);
                     EXPECT_EQ(t.Sync("A").pushed, 5) << "8 + 7 were recorded before";
                     EXPECT_EQ(t.server->StoredEvents(t.name), 21);
                 }},
        // A first listing that may not carry the events' text: listed without.
        QuirkRow{"ListingWithTextRefused",
                 [](QuirkSyncTest& t, QByteArray& request, QByteArray& answer, bool sent) {
                     if (request.contains("sync-collection") && request.contains("calendar-data"))
                         Answer("REPORT", "", 500)(t, request, answer, sent);
                 },
                 [](QuirkSyncTest& t) {
                     t.addresses["C"] = t.proxy.Through(t.url);
                     EXPECT_EQ(t.Sync("C").pulled, 1);
                 }},
        // Another writer of the diary, while the sync waits on the server
        // (its second listing, after its writes).
        QuirkRow{"SlowServer",
                 [n = std::make_shared<int>()](QuirkSyncTest& t, QByteArray& request, QByteArray&,
                                               bool sent) {
                     if (sent || !request.startsWith("REPORT") || ++*n != 2)
                         return;
                     QElapsedTimer waited;
                     waited.start();
                     t.Add("A", {"16072027", "Added meanwhile"});
                     EXPECT_LT(waited.elapsed(), 1000);
                 },
                 [](QuirkSyncTest& t) { EXPECT_EQ(t.Entries("A").size(), 2); }}),
    RowName());

}  // namespace
