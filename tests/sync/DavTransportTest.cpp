// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QProcess>
#include <memory>

#include "support/RowName.h"
#include "support/TempDir.h"
#include "sync/DavTransport.h"
#include "sync/SyncError.h"

namespace {
struct Misbehaviour {
    const char* name;
    const char* path;
    const char* method;
    const char* says;  // the reply's body, or the failure's message
};

// The scripted server, for the whole suite: each row is one of its paths.
class DavTransportTest : public ::testing::TestWithParam<Misbehaviour> {
protected:
    static void SetUpTestSuite() { port = StartServer(server, {}); }
    static void TearDownTestSuite() { server.reset(); }
    // Its port; the process ends with the pointer.
    static int StartServer(std::unique_ptr<QProcess>& process, const QStringList& options) {
        process = std::make_unique<QProcess>();
        process->start("/usr/bin/python3", QStringList{MISBEHAVING_SERVER} + options);
        EXPECT_TRUE(process->waitForReadyRead(10000)) << "the scripted server did not start";
        return process->readLine().trimmed().toInt();
    }
    static inline std::unique_ptr<QProcess> server;
    static inline int port = 0;
};

// Short limits stand for the real ones; no message may hold the password.
TEST_P(DavTransportTest, AnswersOrSaysWhyNot) {
    const QUrl url(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(GetParam().path));
    CDavTransport transport({url, QStringLiteral("alice"), QStringLiteral("s3cret")},
                            DavLimits{1000, 2500, 1 << 20});
    QString said;
    try {
        const DavReply reply = transport.SendOne({GetParam().method, url, "body", {}});
        EXPECT_EQ(reply.status, 207);
        said = QString::fromUtf8(reply.body);
    } catch (const CSyncError& failure) {
        said = failure.Description();
    }
    EXPECT_TRUE(said.contains(QLatin1String(GetParam().says))) << qPrintable(said);
    EXPECT_FALSE(said.contains(QLatin1String("s3cret")));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DavTransportTest,
    ::testing::Values(
        Misbehaviour{"MovedKeepsThePut", "/301", "PUT", "PUT body"},
        Misbehaviour{"FoundKeepsTheReport", "/302", "REPORT", "REPORT body"},
        Misbehaviour{"TemporaryKeepsTheDelete", "/307", "DELETE", "DELETE body"},
        Misbehaviour{"PermanentKeepsThePropfind", "/308", "PROPFIND", "PROPFIND body"},
        Misbehaviour{"AnotherHostIsNotFollowed", "/away", "PUT", "another server"},
        Misbehaviour{"ALoopEnds", "/loop", "REPORT", "redirected too many times"},
        Misbehaviour{"DripMissesTheDeadline", "/drip", "REPORT", "did not answer in time"},
        Misbehaviour{"StallAfterHeaders", "/stall", "REPORT", "did not answer in time"},
        Misbehaviour{"HugeReplyIsRefused", "/huge", "REPORT", "larger than 1 MB"}),
    RowName());

// A self-signed server is refused until its certificate is named as an
// authority.
TEST_F(DavTransportTest, PrivateAuthorityIsTrustedOnlyWhenNamed) {
    TempDir dir;
    std::unique_ptr<QProcess> tls;
    const QUrl url(QStringLiteral("https://127.0.0.1:%1/echo")
                       .arg(StartServer(tls, {QStringLiteral("--tls"), dir.Path()})));
    for (const QString& caFile : {QString(), dir.File(QStringLiteral("cert.pem"))}) {
        CDavTransport transport({url, "alice", "s3cret", caFile}, DavLimits{});
        try {
            EXPECT_EQ(transport.SendOne({"GET", url, {}, {}}).status, 207);
            EXPECT_FALSE(caFile.isEmpty()) << "trusted without the authority";
        } catch (const CSyncError& failure) {
            EXPECT_TRUE(caFile.isEmpty() && failure.Description().contains("--ca-file"));
        }
    }
}

// Only the last address, http to another machine, gets the warning.
TEST(CleartextWarning, OnlyForHttpBeyondThisMachine) {
    const QStringList urls{"https://a.example/c/", "http://127.0.0.1:5232/c/",
                           "http://localhost/c/", "http://[::1]/c/", "http://a.example/c/"};
    for (const QString& url : urls)
        EXPECT_EQ(CleartextWarning(QUrl(url)).isEmpty(), url != urls.last()) << qPrintable(url);
}
}  // namespace
