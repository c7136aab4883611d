// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window and `print` live in a program of their own, so that a terminal
// command never loads the libraries a display needs. This replaces the
// running process with that program, passing `argv` unchanged (the window
// takes its name from argv[0]), so its exit status is plenda's. Returns only
// when it could not be started, after saying why on standard error.
int StartWindowProgram(char* argv[]);
// The same for `sync`, whose program alone loads the network, D-Bus and
// keyring libraries.
int StartSyncProgram(char* argv[]);
