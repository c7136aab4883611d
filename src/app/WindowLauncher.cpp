// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowLauncher.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {
// Beside this program in a build tree; in the libexec folder, found from the
// bin folder, once installed (so an installation can move as a whole).
std::vector<std::string> ProgramCandidates(const char* program) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::path(".") : self.parent_path();
    return {(folder / program).string(),
            (folder / PLENDA_WINDOW_FROM_BIN / program).lexically_normal().string()};
}

int StartProgram(const char* program, const char* what, char* argv[]) {
    std::string tried;
    int lastError = ENOENT;
    for (const std::string& candidate : ProgramCandidates(program)) {
        execv(candidate.c_str(), argv);
        lastError = errno;
        tried = candidate;
        // A program that exists but cannot run is the answer; do not hide it.
        if (lastError != ENOENT)
            break;
    }
    std::fprintf(stderr, "plenda: cannot start %s %s: %s\n", what, tried.c_str(),
                 std::strerror(lastError));
    return 1;
}
}  // namespace

int StartWindowProgram(char* argv[]) {
    return StartProgram(PLENDA_WINDOW_PROGRAM, "the calendar window", argv);
}

int StartSyncProgram(char* argv[]) {
    return StartProgram(PLENDA_SYNC_PROGRAM, "the sync", argv);
}
