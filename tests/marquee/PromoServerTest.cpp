// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

#include "marquee/InternetMessage.h"
#include "platform/QtHttp.h"
#include "support/DiaryFixture.h"
#include "support/FakeClock.h"
#include "support/FakePrompts.h"
#include "tools/promo-server/PromoMessages.h"
#include "tools/promo-server/PromoServer.h"

namespace {

// The calendar's update against the reference server on 127.0.0.1.
class PromoServerTest : public DiaryFixture {
protected:
    PromoServerTest() {
        dir.Write("messages.txt", "acme\tdesk\tSpring sale at Acme\n");
        QString error;
        if (!server.Listen(QHostAddress::LocalHost, 0, &error))
            ADD_FAILURE() << error.toStdString();
    }

    std::optional<QString> Update(const QString& path, quint16 port = 0, int timeout = 15000) {
        CInternetMessage message(
            settings, http, prompts, clock,
            PromotionServer{
                QStringLiteral("http://127.0.0.1:%1%2").arg(port ? port : server.Port()).arg(path),
                "acme", "desk"});
        message.LoadSettings();
        message.SetTimeoutMilliseconds(timeout);
        return message.UpdateInternetMessage();
    }

    CPromoServer server{dir.File("messages.txt")};
    FakeClock clock;
    FakePrompts prompts;
    CQtHttp http;
};

}  // namespace

TEST_F(PromoServerTest, AnswersEachRequestFromTheFileAsItIsThenAndParsesItsLines) {
    const auto answer = [&](const char* query) {
        return QString::fromUtf8(server.AnswerFor(query).body);
    };
    EXPECT_EQ(answer("/promo?clientid=acme&productid=desk&tran=promo"), "Spring sale at Acme");
    EXPECT_EQ(answer("/promo?clientid=nobody&productid=desk&tran=promo"),
              "Error,UnknownClient,nobody");
    EXPECT_EQ(answer("/promo?clientid=acme&productid=desk&tran=x"),
              "Error,BadRequest,unknown transaction");
    EXPECT_EQ(server.AnswerFor("/other").status, 404);
    QFile::remove(dir.File("messages.txt"));
    EXPECT_EQ(answer("/promo?clientid=acme&productid=desk&tran=promo"),
              "Error,Server,messages unavailable");
    // The file holds tab-separated lines, with a wildcard product; comments and
    // blank lines are skipped, broken lines counted.
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

// The message is fetched, then replaced, cut to 1024 bytes on the way; a
// wrong address, a server that never answers, a port nobody listens on and a
// server error each give an error box, soon. What each reply stores or shows
// is the internet message's table.
TEST_F(PromoServerTest, FetchesOverHttpAndFailingServersAreReportedNotHung) {
    EXPECT_EQ(Update("/promo"), "Spring sale at Acme");
    dir.Write("messages.txt", "acme\tdesk\t" + QByteArray(2000, 'm') + "\n");
    EXPECT_EQ(Update("/promo"), QString(1024, 'm'));
    QTcpServer silent, closed, failing;
    // `failing` answers every request with a server error page.
    QObject::connect(&failing, &QTcpServer::newConnection, [&failing] {
        QTcpSocket* socket = failing.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            socket->write("HTTP/1.0 500 Oops\r\nContent-Length: 4\r\n\r\nSale");
            socket->disconnectFromHost();
        });
    });
    for (QTcpServer* server : {&silent, &closed, &failing})
        ASSERT_TRUE(server->listen(QHostAddress::LocalHost, 0));
    const quint16 closedPort = closed.serverPort();
    closed.close();
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(Update("/cgi/missing"), std::nullopt);
    for (const quint16 port : {silent.serverPort(), closedPort, failing.serverPort()})
        EXPECT_EQ(Update("/promo", port, 300), std::nullopt);
    EXPECT_LT(elapsed.elapsed(), 5000);
    EXPECT_EQ(prompts.messages.size(), 4);
    EXPECT_EQ(server.RequestsServed(), 3);
}
