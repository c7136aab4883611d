// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowProgram.h"

#include <QApplication>
#include <QByteArray>
#include <QTextStream>
#include <vector>

#include "app/CalApp.h"
#include "app/CommandLine.h"
#include "app/PrintCommand.h"
#include "diary/DiaryLocation.h"
#include "platform/InterfaceTranslations.h"
#include "platform/SystemClock.h"
#include "settings/SettingsStore.h"

namespace {
// A Wayland compositor decides where a window goes and whether it stays above
// the others; through XWayland the calendar keeps both. So where XWayland
// serves the session it is asked for first, Wayland remaining the fallback,
// unless the user chose a platform.
void PreferXWayland() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    const bool wayland =
        qgetenv("XDG_SESSION_TYPE") == "wayland" || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (wayland && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

int RunWindow(int argc, char* argv[]) {
    PreferXWayland();
    // The X instance name; without it, the program's file name, which is
    // plenda-window when autostart runs it. The xcb platform takes the
    // option out of the arguments.
    char nameOption[] = "-name";
    char name[] = "plenda";
    std::vector<char*> arguments(argv, argv + argc);
    arguments.insert(arguments.end(), {nameOption, name, nullptr});
    int count = argc + 2;
    CCalApp app(count, arguments.data());
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
    CInterfaceTranslations translations(app);
    translations.Load(QLocale::system(), CInterfaceTranslations::Folders());
    QTextStream out(stdout);
    QTextStream err(stderr);
    CSettingsStore store;
    ReportSettingsProblem(store, err);
    CSystemClock clock;
    return RunPrintCommand(app.arguments().mid(2), store, clock, DocumentsFolder(), {out, err});
}
}  // namespace

int RunWindowProgram(int argc, char* argv[]) {
    if (argc <= 1)
        return RunWindow(argc, argv);
    if (QByteArray(argv[1]) == "print")
        return RunPrint(argc, argv);
    return RunTerminalCommand(argc, argv);
}
