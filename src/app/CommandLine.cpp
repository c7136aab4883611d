// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/CalCommand.h"
#include "app/CalendarFileCommands.h"
#include "app/DiaryCommands.h"
#include "app/SyncCommand.h"
#include "app/WindowLauncher.h"
#include "diary/DiaryLocation.h"
#include "platform/InterfaceTranslations.h"
#include "platform/LocaleDateOrder.h"
#include "platform/SystemClock.h"
#include "settings/SettingsStore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <cstdio>

QString UsageText() {
    return QCoreApplication::translate(
               "CommandLine",
               "Usage: plenda [COMMAND]\n"
               "A desk calendar and diary.\n"
               "\n"
               "Commands:\n"
               "  cal [MONTH YEAR] [--monday] [--week-numbers]\n"
               "                     print the month as text (this month without arguments);\n"
               "                     MONTH 1 to 12, YEAR 1584 to 9999; Monday first, ISO 8601\n"
               "                     week numbers in front\n"
               "  print --pdf FILE [MONTH YEAR] [--year]\n"
               "                     print the calendar page (or with --year the whole year)\n"
               "                     into a PDF file\n") +
           DiaryCommandsUsage() + CalendarFileCommandsUsage() + SyncCommandUsage() +
           QCoreApplication::translate(
               "CommandLine",
               "\nEvery command takes --diary PATH to use that diary file for one "
               "command.\nWithout a command the calendar window opens.\n");
}

void ReportSettingsProblem(const CSettingsStore& store, QTextStream& err) {
    if (!store.FormatProblem().isEmpty())
        err << "plenda: " << store.FormatProblem() << "\n";
}

// A command whose settings could not be kept has not fully done its work.
int WithSettingsSaved(const CSettingsStore& store, int status, QTextStream& err) {
    if (store.SaveProblem().isEmpty() || status != 0)
        return status;
    err << "plenda: " << store.SaveProblem() << "\n";
    return kCommandFailed;
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
        const int status = IsCalendarFileCommand(name)
                               ? RunCalendarFileCommand(name, arguments.mid(1), context, streams)
                               : RunDiaryCommand(name, arguments.mid(1), context, streams);
        return WithSettingsSaved(settings, status, streams.err);
    }
    streams.err
        << "plenda: "
        << QCoreApplication::translate("CommandLine", "unknown command '%1'").arg(arguments.first())
        << '\n'
        << UsageText();
    return 2;
}

namespace {
bool NeedsTheWindowProgram(int argc, char* argv[]) {
    return argc <= 1 || QByteArray(argv[1]) == "print";
}
}  // namespace

int RunTerminalCommand(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    CInterfaceTranslations translations(app);
    translations.Load(QLocale::system(), CInterfaceTranslations::Folders());
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCommand(app.arguments().mid(1), {out, err});
}

int RunPlenda(int argc, char* argv[]) {
    if (NeedsTheWindowProgram(argc, argv))
        return StartWindowProgram(argv);
    if (QByteArray(argv[1]) == "sync")
        return StartSyncProgram(argv);
    return RunTerminalCommand(argc, argv);
}
