// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

// What the plenda executable gave back; a crash gives status -1.
struct PlendaRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// The whole program as a terminal runs it, in `folder`, which is also its
// home and holds its settings, with `input` on its standard input; `limits`
// are prlimit's options for it.
inline PlendaRun RunPlendaIn(const QString& folder, const QStringList& arguments,
                             const QByteArray& input = {}, const QStringList& limits = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), folder);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/config"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    const QStringList wrapped = limits + QStringList{PLENDA_EXECUTABLE} + arguments;
    process.start(limits.isEmpty() ? PLENDA_EXECUTABLE : "prlimit",
                  limits.isEmpty() ? arguments : wrapped);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000)) << qPrintable(arguments.join(' '));
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {status, process.readAllStandardOutput(), process.readAllStandardError()};
}
