// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>

// A 64 KiB tmpfs mounted at `folder` (made if missing) and filled to its last
// byte once the test has put its files there; only root can mount one.
class FullDisk {
public:
    explicit FullDisk(const QString& folder) : m_folder(folder) {
        QDir().mkpath(folder);
        m_mounted = geteuid() == 0 &&
                    QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}) == 0;
    }
    ~FullDisk() {
        if (m_mounted)
            QProcess::execute("umount", {"-l", m_folder});
    }
    bool Mounted() const { return m_mounted; }
    void Fill() const {
        QFile filler(m_folder + "/filler");
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(512, 'x');
        while (filler.write(block) > 0) {}
    }

private:
    QString m_folder;
    bool m_mounted = false;
};
