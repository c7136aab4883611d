// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/AutostartEntry.h"

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
}  // namespace
