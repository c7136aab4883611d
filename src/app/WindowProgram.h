// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program behind the window: no arguments open the calendar window,
// `print ...` prints into a PDF file, anything else runs as a terminal
// command, exactly as plenda runs it.
int RunWindowProgram(int argc, char* argv[]);
