// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <QDir>
#include <QProcess>

// A 64 KiB tmpfs at `folder` for the test's life (only root can mount one);
// Fill() takes its last free byte.
struct FullDisk {
    explicit FullDisk(const QString& folder) : folder(folder) {
        mounted =
            QDir().mkpath(folder) && geteuid() == 0 &&
            QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}) == 0;
    }
    ~FullDisk() {
        if (mounted)
            QProcess::execute("umount", {"-l", folder});
    }
    void Fill() const {
        QProcess::execute("dd", {"if=/dev/zero", "of=" + folder + "/filler", "bs=4k"});
    }
    QString folder;
    bool mounted = false;
};
