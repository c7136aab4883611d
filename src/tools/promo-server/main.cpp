// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <cstdio>

#include "tools/promo-server/PromoServer.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plenda-promo-server"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Answers the calendar's promotion requests with a message per client and product."));
    parser.addHelpOption();
    const QCommandLineOption messages(
        QStringList{"m", "messages"},
        QStringLiteral("Messages file: lines of clientid<TAB>productid<TAB>message."),
        QStringLiteral("file"));
    const QCommandLineOption address(QStringList{"a", "address"},
                                     QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                     QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringList{"p", "port"},
                                  QStringLiteral("Port to listen on (default 8080)."),
                                  QStringLiteral("port"), QStringLiteral("8080"));
    const QCommandLineOption path(QStringLiteral("path"),
                                  QStringLiteral("Path of the script (default /promo)."),
                                  QStringLiteral("path"), QStringLiteral("/promo"));
    parser.addOptions({messages, address, port, path});
    parser.process(app);

    bool portOk = false;
    const uint portNumber = parser.value(port).toUInt(&portOk);
    const QHostAddress host(parser.value(address));
    if (!parser.isSet(messages) || !portOk || portNumber > 65535 || host.isNull()) {
        std::fprintf(stderr,
                     "plenda-promo-server: give --messages FILE, and a valid --address "
                     "and --port (see --help)\n");
        return 2;
    }
    CPromoServer server(parser.value(messages), parser.value(path));
    QString error;
    if (!server.Listen(host, static_cast<quint16>(portNumber), &error)) {
        std::fprintf(stderr, "plenda-promo-server: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("Serving http://%s:%u%s\n", qPrintable(host.toString()), server.Port(),
                qPrintable(parser.value(path)));
    std::fflush(stdout);
    return app.exec();
}
