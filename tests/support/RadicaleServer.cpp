// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RadicaleServer.h"

#include <QDir>

RadicaleServer::RadicaleServer(QString user) : CalDavServer(std::move(user)) {
    m_dir.Write("users", (m_user + ":" + Password() + "\n").toUtf8());
    // Every section is spelled out, so that a system-wide configuration
    // changes nothing here.
    m_dir.Write("config", QStringLiteral("[server]\nhosts = 127.0.0.1:%1\nssl = False\n"
                                         "[auth]\ntype = htpasswd\nhtpasswd_filename = %2\n"
                                         "htpasswd_encryption = plain\ndelay = 0\n"
                                         "[rights]\ntype = owner_only\n"
                                         "[storage]\nfilesystem_folder = %3\n"
                                         "[logging]\nlevel = warning\n")
                              .arg(m_port)
                              .arg(m_dir.File("users"), m_dir.File("collections"))
                              .toUtf8());
    // Debian's Radicale is a module of the system's own Python.
    Launch(QStringLiteral("/usr/bin/python3"),
           {"-m", "radicale", "--config", m_dir.File("config")});
}

int RadicaleServer::StoredEvents(const QString& name) const {
    const QDir folder(m_dir.File("collections/collection-root/" + m_user + "/" + name));
    return static_cast<int>(folder.entryList({"*.ics"}, QDir::Files).size());
}
