// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/CalApp.h"
#include "app/CalCommand.h"
#include "app/CalendarFileCommands.h"
#include "app/DiaryCommands.h"
#include "app/PrintCommand.h"
#include "app/SyncCommand.h"
#include "diary/DiaryLocation.h"
#include "platform/LocaleDateOrder.h"
#include "platform/SystemClock.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>

QString UsageText() {
    return QStringLiteral(
               "Usage: plenda [COMMAND]\n"
               "A desk calendar and diary.\n"
               "\n"
               "Commands:\n"
               "  cal [MONTH YEAR]   print the month as text (this month without arguments);\n"
               "                     MONTH 1 to 12, YEAR 1584 to 9999\n"
               "  print --pdf FILE [MONTH YEAR] [--year]\n"
               "                     print the calendar page (or with --year the whole year)\n"
               "                     into a PDF file\n") +
           DiaryCommandsUsage() + CalendarFileCommandsUsage() + SyncCommandUsage() +
           QStringLiteral(
               "\nEvery command takes --diary PATH to use that diary file for one "
               "command.\nWithout a command the calendar window opens.\n");
}

void ReportSettingsProblem(const CSettingsStore& store, QTextStream& err) {
    if (!store.FormatProblem().isEmpty())
        err << "plenda: " << store.FormatProblem() << "\n";
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
    const QString& name = arguments.first();
    if (IsDiaryCommand(name) || IsCalendarFileCommand(name)) {
        CSettingsStore settings;
        ReportSettingsProblem(settings, streams.err);
        const CLocaleDateOrder dateOrder;
        const CSystemClock clock;
        const DiaryCommandContext context{settings, dateOrder, clock, DocumentsFolder()};
        if (IsCalendarFileCommand(name))
            return RunCalendarFileCommand(name, arguments.mid(1), context, streams);
        return RunDiaryCommand(name, arguments.mid(1), context, streams);
    }
    if (arguments.first() == QLatin1String("sync")) {
        CSettingsStore settings;
        ReportSettingsProblem(settings, streams.err);
        const CSystemClock clock;
        return RunSyncCommand(arguments.mid(1), settings, clock, DocumentsFolder(), streams);
    }
    streams.err << "plenda: unknown command '" << arguments.first() << "'\n" << UsageText();
    return 2;
}

namespace {
bool IsPrintCommand(int argc, char* argv[]) {
    return argc > 1 && QByteArray(argv[1]) == "print";
}

int RunWindow(int argc, char* argv[]) {
    CCalApp app(argc, argv);
    return app.Run();
}

// Printing draws with fonts and a painter, so it needs a GUI application,
// but never a display: it runs on the offscreen platform.
int RunPrint(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("Quenmor"));
    app.setApplicationName(QStringLiteral("Calendar"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    CSettingsStore store;
    ReportSettingsProblem(store, err);
    CSystemClock clock;
    return RunPrintCommand(app.arguments().mid(2), store, clock, DocumentsFolder(), {out, err});
}
}  // namespace

int RunPlenda(int argc, char* argv[]) {
    if (argc <= 1)
        return RunWindow(argc, argv);
    if (IsPrintCommand(argc, argv))
        return RunPrint(argc, argv);
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCommand(app.arguments().mid(1), {out, err});
}
