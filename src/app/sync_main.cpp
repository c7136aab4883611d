// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SyncCommand.h"

int main(int argc, char* argv[]) {
    return RunSyncProgram(argc, argv);
}
