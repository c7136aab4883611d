// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFileInfo>

#include "support/PlendaProcess.h"
#include "support/TempDir.h"

namespace {
const QByteArray kEvent =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\nBEGIN:VEVENT\r\nUID:1@t\r\n"
    "DTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20261207\r\nSUMMARY:x\r\nEND:VEVENT\r\n"
    "END:VCALENDAR\r\n";

class TerminalCommand : public ::testing::TestWithParam<QStringList> {};

// The loader names every library it maps, linked or a plugin: a terminal
// command maps none of a display's, only sync's program those of the network
// and the keyring, and reading leaves the settings alone. Each ends well but
// sync, which has no calendar to reach.
TEST_P(TerminalCommand, MapsNoDisplayLibrary) {
    TempDir home;
    qputenv("LD_DEBUG", "libs");
    const PlendaRun run = RunPlendaIn(home.Path(), GetParam(), kEvent);
    qunsetenv("LD_DEBUG");
    EXPECT_EQ(run.status, GetParam().first() == "sync" ? 1 : 0) << run.err.right(300).data();
    ASSERT_TRUE(run.err.contains("libQt6Core.so")) << "the loader said nothing";
    for (const char* library :
         {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport", "libQt6Multimedia"})
        EXPECT_FALSE(run.err.contains(library)) << library;
    const bool sync = GetParam().first() == "sync";
    for (const char* library : {"libQt6Network", "libQt6DBus", "libqt6keychain"})
        EXPECT_EQ(run.err.contains(library), sync) << library;
    const bool writes = GetParam().first() == "add" || GetParam().first() == "import";
    EXPECT_EQ(QFileInfo::exists(home.File("config/Quenmor/Calendar.ini")), writes);
}

INSTANTIATE_TEST_SUITE_P(Every, TerminalCommand,
                         ::testing::Values(QStringList{"cal"}, QStringList{"agenda"},
                                           QStringList{"list"},
                                           QStringList{"add", "25/12/2026", "Christmas"},
                                           QStringList{"export", "out.ics"},
                                           QStringList{"import", "-"}, QStringList{"sync"}),
                         [](const auto& row) { return row.param.first().toStdString(); });
}  // namespace
