// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSqlQuery>

#include "diary/DiaryError.h"
#include "marquee/InternetMessage.h"
#include "marquee/Marquee.h"
#include "marquee/MarqueeStartup.h"
#include "marquee/PromotionDiary.h"
#include "settings/SettingsKeys.h"
#include "support/FakeClock.h"
#include "support/FakeHttp.h"
#include "support/FakeMarqueeCanvas.h"
#include "support/FakeMarqueeTimer.h"
#include "support/FakePrompts.h"
#include "support/RowName.h"
#include "support/SettingsFixture.h"

namespace {
const PromotionServer kServer{"http://promo.test/cgi/promo", "acme", "desk"};
const QString kPreamble = "Error encountered \nIf you need support quote this message - \n";

// Today is Monday 5 March 2007.
class InternetMessageTest : public SettingsFixture {
protected:
    InternetMessageTest() { Put(Key::DiaryName, dir.File("Diary.db")); }

    CInternetMessage& Internet(const PromotionServer& server = kServer) {
        internet = std::make_unique<CInternetMessage>(settings, http, prompts, clock, server);
        internet->LoadSettings();
        return *internet;
    }

    PromotionDiary diary{dir.File("Diary.db")};
    FakeClock clock;
    FakeHttp http;
    FakePrompts prompts;
    std::unique_ptr<CInternetMessage> internet;
};

// A server reply (or a failure): the message it gives, or the one box it shows.
struct ReplyRow {
    const char* name;
    QByteArray body;
    QString error;
    QString message;
    QString box;
};

class InternetReplies : public InternetMessageTest,
                        public ::testing::WithParamInterface<ReplyRow> {};

TEST_P(InternetReplies, StoreTheMessageOrShowOneBoxAndChangeNothing) {
    const ReplyRow& r = GetParam();
    Put(Key::MarqueeMess, "Old");
    if (r.error.isEmpty())
        http.QueueBody(r.body);
    else
        http.QueueError(r.error);
    EXPECT_EQ(Internet().UpdateInternetMessage().value_or("none"),
              r.message.isEmpty() ? "none" : r.message);
    if (r.message.isEmpty()) {
        ASSERT_EQ(prompts.messages.size(), 1);
        EXPECT_EQ(prompts.messages[0].text, kPreamble + r.box);
        EXPECT_EQ(prompts.messages[0].caption, "Calendar");
        EXPECT_EQ(diary.RowCount(), 0);
        EXPECT_EQ(Stored(Key::MarqueeMess), "Old");
        EXPECT_EQ(Stored(Key::InternetCheckDate), "1");
        return;
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(diary.OnlyText(), r.message);
    EXPECT_EQ(Stored(Key::MarqueeMess), r.message);
    EXPECT_EQ(Stored(Key::InternetCheckDate), "20070305");
}

const QString kHint = "\n Hint: First check that you are connected to the internet";
const ReplyRow kReplies[] = {
    {"Message", "Spring sale at Acme", {}, "Spring sale at Acme", {}},
    {"AngleBracketWithout404", "<b>Bold</b> offers", {}, "<b>Bold</b> offers", {}},
    {"Starts404", "404 reasons to smile", {}, "404 reasons to smile", {}},
    {"CutTo1024", QByteArray(2000, 'x'), {}, QString(1024, 'x'), {}},
    {"ServerError", "Error,UnknownClient,acme", {}, {}, "Error,UnknownClient,acme"},
    {"NotFoundPage",
     "<html><title>404 Not Found</title></html>",
     {},
     {},
     "Error,Register,404 NotFound"},
    {"NoConnection", {}, "Connection refused", {}, "Error,GetResult,Connection refused" + kHint},
    {"LongErrorCut", {}, QString(400, 'e'), {}, "Error,GetResult," + QString(255, 'e') + kHint},
};
INSTANTIATE_TEST_SUITE_P(InternetMessage, InternetReplies, ::testing::ValuesIn(kReplies),
                         RowName());

TEST_F(InternetMessageTest, RequestCarriesTheExactQueryAndAStableUserId) {
    CInternetMessage& message = Internet();
    message.UpdateInternetMessage();
    message.UpdateInternetMessage();
    ASSERT_EQ(http.requests.size(), 2);
    const QString userId = Stored(Key::UserId);
    EXPECT_EQ(userId.size(), 32);
    EXPECT_EQ(http.requests[0].url,
              "http://promo.test/cgi/promo?clientid=acme&productid=desk&userid=" + userId +
                  "&regname=&email=&optin=&tran=promo");
    EXPECT_EQ(http.requests[1].url, http.requests[0].url);
    EXPECT_EQ(http.requests[0].timeoutMilliseconds, 15000);
    EXPECT_EQ(http.requests[0].maxBytes, 1024);
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
    EXPECT_EQ(http.requests.size(), r.due ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    InternetMessage, InternetPeriods,
    ::testing::Values(PeriodRow{"FetchedToday", "1", "Days", "20070305", {2007, 3, 5}, false},
                      PeriodRow{"FetchedYesterday", "1", "Days", "20070304", {2007, 3, 5}, true},
                      PeriodRow{"SixDaysIntoAWeek", "1", "Weeks", "20070301", {2007, 3, 7}, false},
                      PeriodRow{"AWeekOn", "1", "Weeks", "20070301", {2007, 3, 8}, true},
                      PeriodRow{"TwoWeeksLessADay", "2", "Weeks", "20070301", {2007, 3, 14}, false},
                      PeriodRow{
                          "UnderThreeMonths", "3", "Months", "20070101", {2007, 3, 31}, false},
                      PeriodRow{"NinetyDays", "3", "Months", "20070101", {2007, 4, 1}, true},
                      PeriodRow{"UnknownUnit", "1", "Fortnights", "20070101", {2007, 3, 5}, false},
                      PeriodRow{"NeverFetched", "1", "Days", "1", {2007, 3, 5}, true}),
    RowName());

TEST_F(InternetMessageTest, AFailureWaitsAnHourBeforeTheDueCheckTriesAgain) {
    http.QueueError("Host not found");
    http.QueueBody("back online");
    CInternetMessage& message = Internet();
    EXPECT_EQ(message.CheckInternetDue(), std::nullopt);
    clock.now = clock.now.addSecs(59 * 60);
    EXPECT_EQ(message.CheckInternetDue(), std::nullopt);
    EXPECT_EQ(http.requests.size(), 1);
    clock.now = clock.now.addSecs(60);
    EXPECT_EQ(message.CheckInternetDue(), "back online");
    EXPECT_EQ(message.CheckInternetDue(), std::nullopt) << "fetched today";
}

TEST_F(InternetMessageTest, ClickFetchesEvenWhenUseInternetIsOffButNeverWithoutAServer) {
    Put(Key::UseInternet, "False");
    http.QueueBody("clicked");
    CInternetMessage& message = Internet();
    EXPECT_EQ(message.CheckInternetDue(), std::nullopt);
    EXPECT_TRUE(http.requests.isEmpty());
    EXPECT_EQ(message.UpdateInternetMessage(), "clicked");
    CInternetMessage& serverless = Internet(PromotionServer{"", "acme", "desk"});
    EXPECT_EQ(serverless.UpdateInternetMessage(), std::nullopt);
    EXPECT_EQ(http.requests.size(), 1);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(InternetMessageTest, AnUnusableDiaryFailsBeforeAskingAndCountsAsAFailure) {
    QSqlQuery(diary.Connection()).exec("DROP TABLE Promotion");
    EXPECT_THROW(Internet().UpdateInternetMessage(), CDatabaseError);
    Put(Key::DiaryName, dir.File("Missing.db"));
    EXPECT_THROW(Internet().UpdateInternetMessage(), CDatabaseError);
    EXPECT_TRUE(http.requests.isEmpty());
    EXPECT_EQ(internet->CheckInternetDue(), std::nullopt);  // waits after the failure
}

TEST_F(InternetMessageTest, StartupTakesTheFetchedMessageOrKeepsTheText) {
    FakeMarqueeTimer timer;
    FakeMarqueeCanvas canvas;
    CMarquee marquee(settings, prompts, timer, canvas);
    Put(Key::MarqueeMess, "Stored");
    http.QueueBody("Fetched");
    LoadInitialMarqueeText(marquee, Internet(), prompts);
    EXPECT_EQ(marquee.Band().ShownText(), "Fetched");
    EXPECT_EQ(marquee.Band().PendingText(), "Fetched");
    http.QueueError("offline");
    LoadInitialMarqueeText(marquee, Internet(), prompts);
    EXPECT_EQ(marquee.Band().ShownText(), "Fetched");  // MarqueeMess from the last success
    Put(Key::UseInternet, "False");
    Put(Key::MarqueeMess, "Offline message");
    LoadInitialMarqueeText(marquee, Internet(), prompts);
    EXPECT_EQ(marquee.Band().ShownText(), "Offline message");
    EXPECT_EQ(http.requests.size(), 2);
}
}  // namespace
