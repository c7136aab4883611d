// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandPassword.h"

#include <termios.h>
#include <unistd.h>
#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

#include "platform/Keyring.h"

namespace {
constexpr char kPasswordVariable[] = "PLENDA_CALDAV_PASSWORD";

QString ReadLine(std::istream& in) {
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromStdString(line);
}

// Asks on the terminal with the echo off, and puts it back however the
// line ends.
QString AskOnTerminal(const QString& why) {
    termios saved{};
    if (::tcgetattr(STDIN_FILENO, &saved) != 0)
        return {};
    const QString question = QCoreApplication::translate("CommandPassword", "CalDAV password: ");
    std::fprintf(stderr, "plenda: %s.\n%s", qPrintable(why), qPrintable(question));
    std::fflush(stderr);
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    const QString typed = ReadLine(std::cin);
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::fputc('\n', stderr);
    return typed;
}
}  // namespace

QString CommandPassword(const QString& account, bool fromStdin, QString* error) {
    if (qEnvironmentVariableIsSet(kPasswordVariable))
        return qEnvironmentVariable(kPasswordVariable);
    if (fromStdin) {
        const QString line = ReadLine(std::cin);
        if (line.isEmpty())
            *error =
                QCoreApplication::translate("CommandPassword", "--password-stdin read no password");
        return line;
    }
    const keyring::Answer stored = keyring::ReadPassword(account);
    if (stored.error.isEmpty() && !stored.password.isEmpty())
        return stored.password;
    if (::isatty(STDIN_FILENO)) {
        const QString typed = AskOnTerminal(stored.error);
        if (!typed.isEmpty())
            return typed;
    }
    *error = QCoreApplication::translate(
                 "CommandPassword",
                 "%1; give the password in %2 or one line on standard input with "
                 "--password-stdin, or store it from the calendar window")
                 .arg(stored.error, QString::fromLatin1(kPasswordVariable));
    return {};
}
