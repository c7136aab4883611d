#include "app/CommandLine.h"

#include "app/CalCommand.h"
#include "app/DiaryCommands.h"
#include "diary/DiaryLocation.h"
#include "platform/LocaleDateOrder.h"
#include "platform/SystemClock.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <cstdio>

QString UsageText() {
    return QStringLiteral(
               "Usage: plenda [COMMAND]\n"
               "A desk calendar and diary.\n"
               "\n"
               "Commands:\n"
               "  cal [MONTH YEAR]   print the month as text (this month without arguments);\n"
               "                     MONTH 1 to 12, YEAR 1584 to 9999\n") +
           DiaryCommandsUsage();
}

int RunCommand(const QStringList& arguments, CommandStreams streams) {
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help") ||
        arguments.first() == QLatin1String("help")) {
        streams.out << UsageText();
        return 0;
    }
    if (arguments.first() == QLatin1String("cal")) {
        const CSystemClock clock;
        return RunCalCommand(arguments.mid(1), clock, streams);
    }
    if (IsDiaryCommand(arguments.first())) {
        CSettingsStore settings;
        const CLocaleDateOrder dateOrder;
        const CSystemClock clock;
        return RunDiaryCommand(arguments.first(), arguments.mid(1),
                               {settings, dateOrder, clock, DocumentsFolder()}, streams);
    }
    streams.err << "plenda: unknown command '" << arguments.first() << "'\n" << UsageText();
    return 2;
}

int RunPlenda(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCommand(app.arguments().mid(1), {out, err});
}
