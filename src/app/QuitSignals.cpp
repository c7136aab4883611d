// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuitSignals.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>

namespace {
// A signal handler may only write to a descriptor; the event loop reads the
// other end. One pair for the process, as there is one set of handlers.
int g_signalPipe[2] = {-1, -1};

void OnQuitSignal(int) {
    const char byte = 1;
    const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
    (void)written;
}

bool InstallHandler(int signalNumber) {
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(signalNumber, &action, nullptr) == 0;
}

void RestoreDefault(int signalNumber) {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signalNumber, &action, nullptr);
}
}  // namespace

CQuitSignals::CQuitSignals(QObject* parent) : QObject(parent) {
    if (g_signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    if (!InstallHandler(SIGTERM) || !InstallHandler(SIGINT))
        return;
    m_notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CQuitSignals::OnSignalByte);
}

CQuitSignals::~CQuitSignals() {
    RestoreDefault(SIGTERM);
    RestoreDefault(SIGINT);
}

void CQuitSignals::OnSignalByte() {
    char byte = 0;
    const ssize_t got = ::read(g_signalPipe[1], &byte, 1);
    (void)got;
    emit QuitRequested();
}
