#include <gtest/gtest.h>

#include "diary/DiaryError.h"
#include "marquee/InternetMessage.h"
#include "marquee/Marquee.h"
#include "marquee/MarqueeStartup.h"
#include "marquee/PromotionDiary.h"
#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/FakeClock.h"
#include "support/FakeHttp.h"
#include "support/FakeMarqueeCanvas.h"
#include "support/FakeMarqueeTimer.h"
#include "support/FakePrompts.h"
#include "support/TempDir.h"

namespace {

const PromotionServer kServer{"http://promo.test/cgi/promo", "acme", "desk"};
const QString kPreamble = "Error encountered \nIf you need support quote this message - \n";

class InternetMessageTest : public ::testing::Test {
protected:
    InternetMessageTest()
        : store(dir.SettingsFile()),
          settings(store, colours),
          diary(dir.File("Diary.db")),
          clock(QDateTime(QDate(2007, 3, 5), QTime(9, 16))) {
        Set(Key::DiaryName, dir.File("Diary.db"));
    }

    CInternetMessage& Internet(const PromotionServer& server = kServer) {
        internet = std::make_unique<CInternetMessage>(settings, http, prompts, clock, server);
        internet->LoadSettings();
        return *internet;
    }

    void Set(const char* key, const QString& value) { settings.WriteSetting(key, value); }

    TempDir dir;
    CSettingsStore store;
    CDefaultSystemColours colours;
    CSettingsHelper settings;
    PromotionDiary diary;
    FakeClock clock;
    FakeHttp http;
    FakePrompts prompts;
    std::unique_ptr<CInternetMessage> internet;
};

}  // namespace

TEST_F(InternetMessageTest, RequestCarriesTheExactQueryAndAStableUserId) {
    http.QueueBody("one");
    http.QueueBody("two");
    CInternetMessage& message = Internet();
    message.UpdateInternetMessage();
    message.UpdateInternetMessage();
    ASSERT_EQ(http.requests.size(), 2);
    const QString userId = settings.ReadPlain(Key::UserId);
    EXPECT_EQ(userId.size(), 32);
    EXPECT_EQ(http.requests[0].url,
              "http://promo.test/cgi/promo?clientid=acme&productid=desk"
              "&userid=" +
                  userId + "&regname=&email=&optin=&tran=promo");
    EXPECT_EQ(http.requests[1].url, http.requests[0].url);
    EXPECT_EQ(http.requests[0].timeoutMilliseconds, 15000);
    EXPECT_EQ(http.requests[0].maxBytes, 1024);
}

TEST_F(InternetMessageTest, SuccessStoresTheMessageEverywhereAndReturnsIt) {
    http.QueueBody("Spring sale at Acme");
    EXPECT_EQ(Internet().UpdateInternetMessage(), "Spring sale at Acme");
    EXPECT_EQ(diary.OnlyText(), "Spring sale at Acme");
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeMess), "Spring sale at Acme");
    EXPECT_EQ(settings.ReadPlain(Key::InternetCheckDate), "20070305");
    EXPECT_EQ(internet->CheckDate(), 20070305);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(InternetMessageTest, ErrorRepliesShowOneBoxAndChangeNothing) {
    Set(Key::MarqueeMess, "Old");
    http.QueueBody("Error,UnknownClient,acme");
    http.QueueBody("<html><title>404 Not Found</title></html>");
    http.QueueError("Connection refused");
    CInternetMessage& message = Internet();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(message.UpdateInternetMessage(), std::nullopt);

    ASSERT_EQ(prompts.messages.size(), 3);
    EXPECT_EQ(prompts.messages[0].text, kPreamble + "Error,UnknownClient,acme");
    EXPECT_EQ(prompts.messages[0].caption, "Calendar");
    EXPECT_EQ(prompts.messages[1].text, kPreamble + "Error,Register,404 NotFound");
    EXPECT_EQ(prompts.messages[2].text,
              kPreamble +
                  "Error,GetResult,Connection refused\n Hint: First check that you "
                  "are connected to the internet");
    EXPECT_EQ(diary.RowCount(), 0);
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeMess), "Old");
    EXPECT_EQ(settings.ReadPlain(Key::InternetCheckDate), "1");
}

TEST_F(InternetMessageTest, AngleBracketWithout404AfterItIsAMessage) {
    http.QueueBody("<b>Bold</b> offers");
    http.QueueBody("404 reasons to smile");
    CInternetMessage& message = Internet();
    EXPECT_EQ(message.UpdateInternetMessage(), "<b>Bold</b> offers");
    EXPECT_EQ(message.UpdateInternetMessage(), "404 reasons to smile");
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(InternetMessageTest, LongRepliesAndLongErrorsAreCut) {
    http.QueueBody(QByteArray(2000, 'x'));
    http.QueueError(QString(400, 'e'));
    CInternetMessage& message = Internet();
    EXPECT_EQ(message.UpdateInternetMessage()->size(), 1024);
    message.UpdateInternetMessage();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains("Error,GetResult," + QString(255, 'e') + "\n"));
}

TEST_F(InternetMessageTest, DueWhenTheLastFetchIsAPeriodOldOrMore) {
    http.QueueBody("fresh");
    Set(Key::InternetCheckDate, "20070305");
    CInternetMessage& message = Internet();
    EXPECT_EQ(message.CheckInternetDue(), std::nullopt);  // fetched today
    clock.now = clock.now.addDays(1);
    EXPECT_EQ(message.CheckInternetDue(), "fresh");
    EXPECT_EQ(message.CheckInternetDue(), std::nullopt);
    EXPECT_EQ(http.requests.size(), 1);
}

TEST_F(InternetMessageTest, PeriodUnitsAndUnknownUnits) {
    Set(Key::InternetCheckDate, "20070301");
    Set(Key::MarqueeCheckInternetFreq, "1");
    Set(Key::MarqueeCheckInternetUnits, "Weeks");
    EXPECT_EQ(Internet().CheckInternetDue(), std::nullopt);  // 4 days ago
    clock.now = QDateTime(QDate(2007, 3, 8), QTime(8, 0));
    http.QueueBody("weekly");
    EXPECT_EQ(internet->CheckInternetDue(), "weekly");

    Set(Key::InternetCheckDate, "20070101");
    Set(Key::MarqueeCheckInternetFreq, "3");
    Set(Key::MarqueeCheckInternetUnits, "Months");
    EXPECT_EQ(Internet().CheckInternetDue(), std::nullopt);  // 66 days, under 30 * 3
    Set(Key::MarqueeCheckInternetUnits, "Fortnights");
    EXPECT_EQ(Internet().CheckInternetDue(), std::nullopt);
    EXPECT_EQ(http.requests.size(), 1);
}

TEST_F(InternetMessageTest, AFailureWaitsAnHourBeforeTheDueCheckTriesAgain) {
    http.QueueError("Host not found");
    http.QueueBody("back online");
    CInternetMessage& message = Internet();
    EXPECT_EQ(message.CheckInternetDue(), std::nullopt);
    EXPECT_EQ(prompts.messages.size(), 1);
    clock.now = clock.now.addSecs(59 * 60);
    EXPECT_EQ(message.CheckInternetDue(), std::nullopt);
    EXPECT_EQ(http.requests.size(), 1);
    EXPECT_EQ(prompts.messages.size(), 1);
    clock.now = clock.now.addSecs(60);
    EXPECT_EQ(message.CheckInternetDue(), "back online");
}

TEST_F(InternetMessageTest, ClickFetchesEvenWhenUseInternetIsOff) {
    Set(Key::UseInternet, "False");
    http.QueueBody("clicked");
    CInternetMessage& message = Internet();
    EXPECT_EQ(message.CheckInternetDue(), std::nullopt);
    EXPECT_TRUE(http.requests.isEmpty());
    EXPECT_EQ(message.UpdateInternetMessage(), "clicked");
}

TEST_F(InternetMessageTest, BuildWithoutAServerAsksNothingAndShowsNothing) {
    CInternetMessage& message = Internet(PromotionServer{"", "acme", "desk"});
    EXPECT_EQ(message.UpdateInternetMessage(), std::nullopt);
    EXPECT_EQ(message.CheckInternetDue(), std::nullopt);
    EXPECT_TRUE(http.requests.isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(settings.ReadPlain(Key::UserId).isEmpty());
}

TEST_F(InternetMessageTest, AMissingDiaryFailsBeforeAskingAndCountsAsAFailure) {
    Set(Key::DiaryName, dir.File("Missing.db"));
    EXPECT_THROW(Internet().UpdateInternetMessage(), CDatabaseError);
    EXPECT_TRUE(http.requests.isEmpty());
    EXPECT_EQ(internet->CheckInternetDue(), std::nullopt);  // waits after the failure
}

TEST_F(InternetMessageTest, StartupTakesTheFetchedMessageOrKeepsTheText) {
    FakeMarqueeTimer timer;
    FakeMarqueeCanvas canvas;
    CMarquee marquee(settings, prompts, timer, canvas);
    Set(Key::MarqueeMess, "Stored");
    http.QueueBody("Fetched");
    LoadInitialMarqueeText(marquee, Internet(), prompts);
    EXPECT_EQ(marquee.Band().ShownText(), "Fetched");
    EXPECT_EQ(marquee.Band().PendingText(), "Fetched");

    http.QueueError("offline");
    LoadInitialMarqueeText(marquee, Internet(), prompts);
    EXPECT_EQ(marquee.Band().ShownText(), "Fetched");  // MarqueeMess from the last success
    EXPECT_EQ(prompts.messages.size(), 1);

    Set(Key::UseInternet, "False");
    Set(Key::MarqueeMess, "Offline message");
    LoadInitialMarqueeText(marquee, Internet(), prompts);
    EXPECT_EQ(marquee.Band().ShownText(), "Offline message");
    EXPECT_EQ(http.requests.size(), 2);
}
