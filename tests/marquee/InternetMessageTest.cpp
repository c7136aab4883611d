// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "diary/DiaryError.h"
#include "marquee/InternetMessage.h"
#include "marquee/Marquee.h"
#include "marquee/MarqueeStartup.h"
#include "support/DiaryFixture.h"
#include "support/FakeClock.h"
#include "support/FakeHttp.h"
#include "support/FakeMarqueeCanvas.h"
#include "support/FakeMarqueeTimer.h"
#include "support/FakePrompts.h"
#include "support/RowName.h"

namespace {
const PromotionServer kServer{"http://promo.test/cgi/promo", "acme", "desk"};
const QString kPreamble = "Error encountered \nIf you need support quote this message - \n";

// Today is Monday 5 March 2007.
class InternetMessageTest : public DiaryFixture {
protected:
    CInternetMessage& Internet(const PromotionServer& server = kServer) {
        internet = std::make_unique<CInternetMessage>(settings, http, prompts, clock, server);
        internet->LoadSettings();
        return *internet;
    }

    FakeClock clock;
    FakeHttp http;
    FakePrompts prompts;
    std::unique_ptr<CInternetMessage> internet;
};

HttpReply Page(const QByteArray& body, int status = 200, const QString& reason = "OK") {
    return {true, body, {}, status, reason};
}
HttpReply Failure(const QString& error) {
    return {false, {}, error, 0, {}};
}

// A server reply (or a failure): the message it stores, or the one box it shows.
struct ReplyRow {
    const char* name;
    HttpReply reply;
    bool stored;
    QString text;
};

class InternetReplies : public InternetMessageTest,
                        public ::testing::WithParamInterface<ReplyRow> {};

TEST_P(InternetReplies, StoreTheMessageOrShowOneBoxAndChangeNothing) {
    const ReplyRow& r = GetParam();
    Put(Key::MarqueeMess, "Old");
    http.replies.append(r.reply);
    const QString fetched = Internet().UpdateInternetMessage().value_or("none");
    const QString promotion =
        diaryfiles::RawConnection(diaryPath).Value("SELECT promotext FROM Promotion").toString();
    // fetched, boxes shown, stored promotion, marquee message, last fetch date
    EXPECT_EQ(QStringList({fetched, prompts.Shown().join('+'), promotion, Stored(Key::MarqueeMess),
                           Stored(Key::InternetCheckDate)}),
              r.stored ? QStringList({r.text, "", r.text, r.text, "20070305"})
                       : QStringList({"none", "Calendar: " + kPreamble + r.text, "", "Old", "1"}));
}

const QString kGet = "Error,GetResult,";
const QString kNotFound = "Error,Register,404 NotFound";
const QString kHint = "\n Hint: First check that you are connected to the internet";
const ReplyRow kReplies[] = {
    {"Message", Page("Spring sale at Acme"), true, "Spring sale at Acme"},
    {"AngleBracketWithout404", Page("<b>Bold</b> offers"), true, "<b>Bold</b> offers"},
    {"Starts404", Page("404 reasons to smile"), true, "404 reasons to smile"},
    {"CutTo1024", Page(QByteArray(2000, 'x')), true, QString(1024, 'x')},
    {"ServerError", Page("Error,UnknownClient,acme"), false, "Error,UnknownClient,acme"},
    {"NotFoundPage", Page("<html>404 Not Found</html>"), false, kNotFound},
    {"NotFoundStatus", Page("Sale", 404), false, kNotFound},
    {"ErrorStatus", Page("Sale", 500, "Oops"), false, kGet + "The server answered 500 Oops"},
    {"BlankReply", Page(" \r\n"), false, kGet + "The server sent an empty reply"},
    {"NoConnection", Failure("Refused"), false, kGet + "Refused" + kHint},
    {"LongErrorCut", Failure(QString(400, 'e')), false, kGet + QString(255, 'e') + kHint},
};
INSTANTIATE_TEST_SUITE_P(InternetMessage, InternetReplies, ::testing::ValuesIn(kReplies),
                         RowName());

// At start-up without the internet, or without an answer, the band keeps the
// stored text (the fetched message at start-up is the view's test). A click
// fetches even with UseInternet off, never without a server.
TEST_F(InternetMessageTest, StartupKeepsTheStoredTextAndAClickSendsTheExactQuery) {
    FakeMarqueeTimer timer;
    FakeMarqueeCanvas canvas;
    CMarquee marquee(settings, prompts, timer, canvas);
    Put(Key::UseInternet, "False");
    Put(Key::MarqueeMess, "Offline message");
    LoadInitialMarqueeText(marquee, Internet(), prompts);
    EXPECT_EQ(marquee.Band().ShownText(), "Offline message");
    EXPECT_EQ(internet->CheckInternetDue(), std::nullopt);
    http.QueueBody("clicked");
    EXPECT_EQ(internet->UpdateInternetMessage(), "clicked");
    internet->UpdateInternetMessage();
    EXPECT_EQ(Internet(PromotionServer{"", "acme", "desk"}).UpdateInternetMessage(), std::nullopt);
    ASSERT_EQ(http.requests.size(), 2) << "none at start-up or when due with UseInternet off";
    const QString userId = Stored(Key::UserId);
    EXPECT_EQ(userId.size(), 32);
    EXPECT_EQ(http.requests[0].url,
              "http://promo.test/cgi/promo?clientid=acme&productid=desk&userid=" + userId +
                  "&regname=&email=&optin=&tran=promo");
    EXPECT_EQ(http.requests[1].url, http.requests[0].url) << "the same user id";
    EXPECT_EQ(http.requests[0].timeoutMilliseconds, 15000);
    EXPECT_EQ(http.requests[0].maxBytes, 1024);
    Put(Key::UseInternet, "True");
    http.QueueError("offline");
    LoadInitialMarqueeText(marquee, Internet(), prompts);
    EXPECT_EQ(marquee.Band().ShownText() + "|" + marquee.Band().PendingText(), "clicked|clicked");
    EXPECT_EQ(http.requests.size(), 3);
}

// The last successful fetch and today: due once the fetch lies a whole period back.
struct PeriodRow {
    const char* name;
    const char* frequency;
    const char* units;
    const char* lastFetch;
    QDate today;
    bool due;
};

class InternetPeriods : public InternetMessageTest,
                        public ::testing::WithParamInterface<PeriodRow> {};

TEST_P(InternetPeriods, FetchOnlyWhenDue) {
    const PeriodRow& r = GetParam();
    Put(Key::MarqueeCheckInternetFreq, r.frequency);
    Put(Key::MarqueeCheckInternetUnits, r.units);
    Put(Key::InternetCheckDate, r.lastFetch);
    clock.now = QDateTime(r.today, QTime(8, 0));
    http.QueueBody("fresh");
    EXPECT_EQ(Internet().CheckInternetDue().has_value(), r.due);
}

INSTANTIATE_TEST_SUITE_P(
    InternetMessage, InternetPeriods,
    ::testing::Values(PeriodRow{"FetchedToday", "1", "Days", "20070305", {2007, 3, 5}, false},
                      PeriodRow{"SixDaysIntoAWeek", "1", "Weeks", "20070301", {2007, 3, 7}, false},
                      PeriodRow{"AWeekOn", "1", "Weeks", "20070301", {2007, 3, 8}, true},
                      PeriodRow{"Day89", "3", "Months", "20070101", {2007, 3, 31}, false},
                      PeriodRow{"NinetyDays", "3", "Months", "20070101", {2007, 4, 1}, true},
                      PeriodRow{"UnknownUnit", "1", "Fortnights", "20070101", {2007, 3, 5}, false},
                      PeriodRow{"NeverFetched", "1", "Days", "1", {2007, 3, 5}, true}),
    RowName());

// A diary that cannot take the message fails before the server is asked and
// counts as a failure too.
TEST_F(InternetMessageTest, AFailureWaitsAnHourBeforeTheDueCheckTriesAgain) {
    http.QueueError("Host not found");
    http.QueueBody("back online");
    CInternetMessage& message = Internet();
    EXPECT_EQ(message.CheckInternetDue(), std::nullopt);
    clock.now = clock.now.addSecs(59 * 60);
    EXPECT_EQ(message.CheckInternetDue(), std::nullopt) << "no retry within the hour";
    clock.now = clock.now.addSecs(60);
    EXPECT_EQ(message.CheckInternetDue(), "back online");
    EXPECT_EQ(message.CheckInternetDue(), std::nullopt) << "fetched today";
    clock.now = clock.now.addDays(1);
    diaryfiles::RawConnection(diaryPath).Exec("DROP TABLE Promotion");
    EXPECT_THROW(Internet().UpdateInternetMessage(), CDatabaseError);
    Put(Key::DiaryName, dir.File("Missing.db"));
    EXPECT_THROW(Internet().UpdateInternetMessage(), CDatabaseError);
    EXPECT_EQ(http.requests.size(), 2);
    EXPECT_EQ(internet->CheckInternetDue(), std::nullopt) << "waits after the failure";
}

}  // namespace
