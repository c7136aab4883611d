// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/AutostartEntry.h"
#include "support/TempDir.h"

namespace {
// The running program goes into the Exec line, quoted when the desktop would
// otherwise split it or read its characters as its own; other lines stay.
TEST(AutostartEntry, ExecLineStartsTheGivenProgram) {
    const QString desktop =
        QStringLiteral("[Desktop Entry]\nName=Plenda\nExec=plenda\nIcon=plenda");
    const std::pair<QString, QString> cases[] = {
        {"/usr/bin/plenda", "Exec=/usr/bin/plenda"},
        {"/home/ann/my build/plenda", "Exec=\"/home/ann/my build/plenda\""},
        {"/opt/\"new\"/plenda", "Exec=\"/opt/\\\\\"new\\\\\"/plenda\""},
        {"/opt/$HOME/plenda", "Exec=\"/opt/\\\\$HOME/plenda\""}};
    for (const auto& [program, exec] : cases)
        EXPECT_EQ(CAutostartEntry::WithProgram(desktop, program),
                  "[Desktop Entry]\nName=Plenda\n" + exec + "\nIcon=plenda");
}

// Installed, the entry starts the plenda command; from a build tree, the one
// beside the window program, and says so.
TEST(AutostartEntry, StartsTheInstalledCommandElseTheBuildTrees) {
    TempDir dir;
    for (const char* name :
         {"build/plenda-window", "build/plenda", "usr/libexec/plenda-window", "usr/bin/plenda"}) {
        QDir().mkpath(QFileInfo(dir.File(name)).path());
        QFile(dir.Write(name, "#!/bin/sh\n")).setPermissions(QFile::ExeOwner | QFile::ReadOwner);
    }
    const auto starts = [&](const char* window) {
        const CAutostartEntry::Program p = CAutostartEntry::ProgramToStart(dir.File(window));
        return QDir(dir.Path()).relativeFilePath(p.path) + (p.fromBuildTree ? " (build)" : "");
    };
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.File("none").toUtf8());
    EXPECT_EQ(starts("build/plenda-window"), "build/plenda (build)");
    EXPECT_EQ(starts("usr/libexec/plenda-window"), "usr/bin/plenda");
    qputenv("PATH", dir.File("usr/bin").toUtf8());
    EXPECT_EQ(starts("build/plenda-window"), "usr/bin/plenda");
    qputenv("PATH", path);
}
}  // namespace
