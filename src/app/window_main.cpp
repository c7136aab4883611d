// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowProgram.h"

int main(int argc, char* argv[]) {
    return RunWindowProgram(argc, argv);
}
