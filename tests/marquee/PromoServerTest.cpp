// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

#include "marquee/InternetMessage.h"
#include "marquee/PromotionDiary.h"
#include "platform/QtHttp.h"
#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/FakeClock.h"
#include "support/FakePrompts.h"
#include "support/RowName.h"
#include "support/TempDir.h"
#include "tools/promo-server/PromoMessages.h"
#include "tools/promo-server/PromoServer.h"

namespace {

const QString kPreamble = "Error encountered \nIf you need support quote this message - \n";

// The calendar's update against the reference server on 127.0.0.1.
class PromoServerTest : public ::testing::Test {
protected:
    PromoServerTest()
        : store(dir.SettingsFile()),
          settings(store, colours),
          diary(dir.File("Diary.db")),
          server(dir.File("messages.txt")) {
        settings.WriteSetting(Key::DiaryName, dir.File("Diary.db"));
        WriteMessages("acme\tdesk\tSpring sale at Acme\n");
        QString error;
        if (!server.Listen(QHostAddress::LocalHost, 0, &error))
            ADD_FAILURE() << error.toStdString();
    }

    void WriteMessages(const QByteArray& text) { dir.Write("messages.txt", text); }

    QString Host(const QString& path = "/promo", quint16 port = 0) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port ? port : server.Port()).arg(path);
    }

    CInternetMessage& Internet(const QString& host, const QString& client = "acme") {
        internet = std::make_unique<CInternetMessage>(settings, http, prompts, clock,
                                                      PromotionServer{host, client, "desk"});
        internet->LoadSettings();
        return *internet;
    }

    TempDir dir;
    CSettingsStore store;
    CDefaultSystemColours colours;
    CSettingsHelper settings;
    PromotionDiary diary;
    CPromoServer server;
    FakeClock clock;
    FakePrompts prompts;
    CQtHttp http;
    std::unique_ptr<CInternetMessage> internet;
};

}  // namespace

TEST(PromoMessages, ParsesTabSeparatedLinesWithAWildcardProduct) {
    CPromoMessages messages;
    messages.Parse(
        "# client\tproduct\tmessage\r\n"
        "acme\tdesk\tDesk offer\twith a tab\r\n"
        "acme\t*\tAnything else\n"
        "\n"
        "broken line\n"
        "bolt\t\tno product\n");
    EXPECT_EQ(messages.Find("acme", "desk"), "Desk offer\twith a tab");
    EXPECT_EQ(messages.Find("acme", "wall"), "Anything else");
    EXPECT_TRUE(messages.HasClient("acme"));
    EXPECT_FALSE(messages.HasClient("bolt"));
    EXPECT_EQ(messages.BadLines(), 2);
}

TEST_F(PromoServerTest, FirstFetchInsertsTheNextUpdatesAndTheSettingsFollow) {
    CInternetMessage& message = Internet(Host());
    EXPECT_EQ(message.UpdateInternetMessage(), "Spring sale at Acme");

    WriteMessages("acme\tdesk\tSummer sale\n");
    clock.now = clock.now.addDays(2);
    EXPECT_EQ(message.CheckInternetDue(), "Summer sale");
    EXPECT_EQ(diary.RowCount(), 1);
    EXPECT_EQ(diary.OnlyText(), "Summer sale");
    EXPECT_EQ(settings.ReadPlain(Key::InternetCheckDate), "20070307");
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(server.RequestsServed(), 2);
}

TEST_F(PromoServerTest, UnknownClientAndWrongPathGetTheServersErrorsInABox) {
    EXPECT_EQ(Internet(Host(), "nobody").UpdateInternetMessage(), std::nullopt);
    EXPECT_EQ(Internet(Host("/cgi/missing")).UpdateInternetMessage(), std::nullopt);
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[0].text, kPreamble + "Error,UnknownClient,nobody");
    EXPECT_EQ(prompts.messages[1].text, kPreamble + "Error,Register,404 NotFound");
    EXPECT_EQ(diary.RowCount(), 0);
}

TEST_F(PromoServerTest, LongMessageIsCutTo1024BytesAndAQuoteIsKept) {
    WriteMessages("acme\tdesk\t" + QByteArray(2000, 'm') + "\nquote\tdesk\tIt's Bob's 'sale'\n");
    EXPECT_EQ(Internet(Host()).UpdateInternetMessage(), QString(1024, 'm'));
    EXPECT_EQ(diary.OnlyText(), QString(1024, 'm'));
    EXPECT_EQ(Internet(Host(), "quote").UpdateInternetMessage(), "It's Bob's 'sale'");
    EXPECT_EQ(settings.ReadPlain(Key::MarqueeMess), "It's Bob's 'sale'");
    EXPECT_TRUE(prompts.messages.isEmpty());
}

// A server that never answers and a port nobody listens on: an error box each, soon.
TEST_F(PromoServerTest, DeadServersAreReportedNotHung) {
    QTcpServer silent, closed;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0) &&
                closed.listen(QHostAddress::LocalHost, 0));
    const quint16 closedPort = closed.serverPort();
    closed.close();
    QElapsedTimer elapsed;
    elapsed.start();
    for (const quint16 port : {silent.serverPort(), closedPort}) {
        CInternetMessage& message = Internet(Host("/promo", port));
        message.SetTimeoutMilliseconds(300);
        EXPECT_EQ(message.UpdateInternetMessage(), std::nullopt);
    }
    EXPECT_LT(elapsed.elapsed(), 5000);
    ASSERT_EQ(prompts.messages.size(), 2);
    for (const auto& box : prompts.messages)
        EXPECT_TRUE(
            box.text.startsWith(kPreamble + "Error,GetResult,") &&
            box.text.endsWith("\n Hint: First check that you are connected to the internet"))
            << box.text.toStdString();
    EXPECT_EQ(diary.RowCount(), 0);
    EXPECT_TRUE(settings.ReadPlain(Key::MarqueeMess).isEmpty());
}

TEST_F(PromoServerTest, ServerRefusesOtherTransactionsAndKeepsServingWhenTheFileIsGone) {
    EXPECT_EQ(
        QString::fromUtf8(server.AnswerFor("/promo?clientid=acme&productid=desk&tran=x").body),
        "Error,BadRequest,unknown transaction");
    QFile::remove(dir.File("messages.txt"));
    const CPromoServer::Answer answer =
        server.AnswerFor("/promo?clientid=acme&productid=desk&tran=promo");
    EXPECT_EQ(answer.status, 200);
    EXPECT_TRUE(answer.body.startsWith("Error,"));
    EXPECT_EQ(server.AnswerFor("/other").status, 404);
}

namespace {
// A server on 127.0.0.1 that answers every request with one status and body.
class CannedServer : public QTcpServer {
public:
    CannedServer(const QByteArray& status, const QByteArray& body)
        : m_reply("HTTP/1.0 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
                  "\r\n\r\n" + body) {
        connect(this, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                socket->write(m_reply);
                socket->disconnectFromHost();
            });
        });
        listen(QHostAddress::LocalHost, 0);
    }

private:
    QByteArray m_reply;
};

struct FailedReplyRow {
    const char* name;
    QByteArray status;
    QByteArray body;
    const char* shown;  // what the error box ends with
};

class FailedReplyTest : public PromoServerTest,
                        public ::testing::WithParamInterface<FailedReplyRow> {};

TEST_P(FailedReplyTest, IsShownAsAFailureAndChangesNothing) {
    CannedServer canned(GetParam().status, GetParam().body);
    EXPECT_EQ(Internet(Host("/promo", canned.serverPort())).UpdateInternetMessage(), std::nullopt);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(kPreamble + "Error,"));
    EXPECT_TRUE(prompts.messages[0].text.endsWith(GetParam().shown))
        << prompts.messages[0].text.toStdString();
    EXPECT_EQ(diary.RowCount(), 0);
    EXPECT_TRUE(settings.ReadPlain(Key::MarqueeMess).isEmpty());
    EXPECT_EQ(settings.ReadPlain(Key::InternetCheckDate), "1");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FailedReplyTest,
    ::testing::Values(FailedReplyRow{"ServerError", "500 Internal Server Error", "Sale today",
                                     "500 Internal Server Error"},
                      FailedReplyRow{"EmptyBody", "200 OK", " \r\n", "empty reply"}),
    RowName());
}  // namespace
